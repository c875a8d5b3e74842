#include "common/logic/BannerCaptions.h"

#include "common/logic/TranslatedText.h"
#include "common/logic/WebPages.h"

namespace oriastra {

std::string_view CoBrandCaption() {
    return Translated(
        "Banners",
        "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
        "your site's name &&  link here. See \"Help\" for details.    Click Here for more info on "
        "co-branding.");
}

std::string_view FullBrandCaption() {
    return Translated(
        "Banners",
        "Home Business Opportunity. Start your own Internet business and make money online. Get "
        "this software fully branded for your website. Click here for more details.");
}

std::string_view ForumShortCaption() {
    return Translated("Banners", "The Most Popular Online Mystic Discussion Forum");
}

std::string ForumVisitCaption(bool finalFullStop) {
    return FillIn(Translated("Banners",
                             "The Most Popular Online Mystic Discussion Forum. Click Here To Visit "
                             "%1 Now"),
                  {kSponsorSiteName}) +
           (finalFullStop ? "." : "");
}

std::string ClickToVisitCaption() {
    return FillIn(Translated("Banners", "Click Here To Visit %1 Now"), {kSponsorSiteName});
}

std::string DiscussionBoardCaption() {
    return FillIn(Translated("Banners",
                             "The Most Popular Online Mystic Discussion Board. Best Resource For "
                             "Everything Mystic. Visit %1 Now"),
                  {kSponsorSiteName});
}

std::string MainBannerCaption() {
    return FillIn(Translated("Banners",
                             "The Most Popular Online Mystic Forum. Best Resource For Everything "
                             "Mystic. Visit %1 Now"),
                  {kSponsorSiteName});
}

std::string AboutHomePageCaption() {
    return FillIn(Translated("Banners", "Click here to visit %1"), {kHomePageAddress});
}

}  // namespace oriastra
