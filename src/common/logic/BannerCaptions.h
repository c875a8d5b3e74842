#pragma once
#include <string>
#include <string_view>

namespace oriastra {

// The banner labels' captions as the windows show them, in their language ("&&" is one
// ampersand on screen).
std::string_view CoBrandCaption();
std::string_view FullBrandCaption();
std::string_view ForumShortCaption();  // "The Most Popular Online Mystic Discussion Forum"

std::string ForumVisitCaption(bool finalFullStop);  // "... Click Here To Visit <site> Now."
std::string ClickToVisitCaption();                  // "Click Here To Visit <site> Now"
std::string DiscussionBoardCaption();               // "... Discussion Board. ... Visit <site> Now"
std::string MainBannerCaption();                    // lblCorvaneBanner on the main window
std::string AboutHomePageCaption();                 // "Click here to visit <address>"

}  // namespace oriastra
