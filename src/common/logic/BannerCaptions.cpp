#include "common/logic/BannerCaptions.h"

#include "common/logic/WebPages.h"

namespace oriastra {

namespace {
const std::string kSite(kSponsorSiteName);
}

std::string ForumVisitCaption(bool finalFullStop) {
    return "The Most Popular Online Mystic Discussion Forum. Click Here To Visit " + kSite +
           (finalFullStop ? " Now." : " Now");
}

std::string ClickToVisitCaption() { return "Click Here To Visit " + kSite + " Now"; }

std::string DiscussionBoardCaption() {
    return "The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. "
           "Visit " +
           kSite + " Now";
}

std::string MainBannerCaption() {
    return "The Most Popular Online Mystic Forum. Best Resource For Everything Mystic. Visit " +
           kSite + " Now";
}

std::string AboutHomePageCaption() {
    return "Click here to visit " + std::string(kHomePageAddress);
}

}  // namespace oriastra
