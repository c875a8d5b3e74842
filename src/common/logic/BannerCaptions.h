#pragma once
#include <string>
#include <string_view>

namespace oriastra {

// The banner labels' captions as the windows show them ("&&" is one ampersand on screen).
inline constexpr std::string_view kCoBrandCaption =
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    "site's name &&  link here. See \"Help\" for details.    Click Here for more info on "
    "co-branding.";
inline constexpr std::string_view kFullBrandCaption =
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website. Click here for more details.";
inline constexpr std::string_view kForumShortCaption =
    "The Most Popular Online Mystic Discussion Forum";

std::string ForumVisitCaption(bool finalFullStop);  // "... Click Here To Visit <site> Now."
std::string ClickToVisitCaption();                  // "Click Here To Visit <site> Now"
std::string DiscussionBoardCaption();               // "... Discussion Board. ... Visit <site> Now"
std::string MainBannerCaption();                    // lblCorvaneBanner on the main window
std::string AboutHomePageCaption();                 // "Click here to visit <address>"

}  // namespace oriastra
