#pragma once
#include <QTemporaryDir>

namespace oriastra {

// Points the font configuration of this process at the fonts the README's pictures were drawn
// with, and at nothing else, so a render is the same on every machine that has them, whatever
// other fonts or font settings it has. Call before the application object exists; keep the
// object alive as long as fonts are used (it holds the configuration file).
class PinnedFonts {
public:
    PinnedFonts();
    bool Pinned() const { return pinned_; }

    // The font folders a render reads.
    static constexpr const char* kFolders[] = {"/usr/share/fonts/truetype/noto",
                                               "/usr/share/fonts/truetype/dejavu"};

private:
    QTemporaryDir folder_;
    bool pinned_ = false;
};

}  // namespace oriastra
