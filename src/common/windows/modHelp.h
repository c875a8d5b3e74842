#pragma once

namespace oriastra {

class Platform;

// The program's five web pages; each hands its fixed address to the browser.
void OpenHelpPage(Platform& platform);
void OpenHomePage(Platform& platform);
void OpenDownloadPage(Platform& platform);
void OpenCoBrandPage(Platform& platform);
void OpenFullBrandPage(Platform& platform);

}  // namespace oriastra
