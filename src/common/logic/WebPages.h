#pragma once
#include <string_view>

namespace oriastra {

// The program's fixed web addresses, kept in one place.
inline constexpr std::string_view kHelpPageAddress = "https://www.kestrin-oriastra.net/help/";
inline constexpr std::string_view kHomePageAddress = "https://www.kestrinmystic.net/";
inline constexpr std::string_view kDownloadPageAddress =
    "https://www.kestrin-oriastra.net/download/";
inline constexpr std::string_view kCoBrandPageAddress =
    "https://www.kestrin-oriastra.net/co-branding/";
inline constexpr std::string_view kFullBrandPageAddress =
    "https://www.kestrin-oriastra.net/fully-branded/";

// The sponsor's site as the banners name it, and the program's site as reports name it.
inline constexpr std::string_view kSponsorSiteName = "www.kestrinmystic.net";
inline constexpr std::string_view kProgramSiteName = "www.kestrin-oriastra.net";

inline constexpr std::string_view kProgramTitle = "Kestrin Oriastra v1.25";
inline constexpr std::string_view kMessageTitle = "Kestrin Oriastra";

}  // namespace oriastra
