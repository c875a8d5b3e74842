#include "common/windows/modHelp.h"

#include "common/logic/WebPages.h"
#include "common/windows/Platform.h"
#include "common/windows/QtText.h"

namespace oriastra {

void OpenHelpPage(Platform& platform) { platform.OpenWebPage(ToQt(kHelpPageAddress)); }
void OpenHomePage(Platform& platform) { platform.OpenWebPage(ToQt(kHomePageAddress)); }
void OpenDownloadPage(Platform& platform) { platform.OpenWebPage(ToQt(kDownloadPageAddress)); }
void OpenCoBrandPage(Platform& platform) { platform.OpenWebPage(ToQt(kCoBrandPageAddress)); }
void OpenFullBrandPage(Platform& platform) { platform.OpenWebPage(ToQt(kFullBrandPageAddress)); }

}  // namespace oriastra
