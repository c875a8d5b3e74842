#pragma once

namespace oriastra {

// What a message box shows; shared by the logic (which chooses) and the platform (which asks).
enum class MessageIcon { None, Error, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

}  // namespace oriastra
