#pragma once
#include <string_view>

#include "common/windows/BannerLabel.h"

class QGroupBox;
class QString;
class QWidget;

namespace oriastra {


class Platform;

// The banner frame `fraFullBrand` with `lblCobrand` (co-branding page) and `lblFullBrand`
// (fully-branded page).
QGroupBox* MakeBrandFrame(Platform& platform, QWidget* parent);

// A label opening the sponsor's home page.
BannerLabel* MakeSponsorLabel(const QString& objectName, std::string_view caption,
                              Platform& platform, QWidget* parent);

// A label opening the fully-branded offer page.
BannerLabel* MakeFullBrandLabel(const QString& objectName, std::string_view caption,
                                Platform& platform, QWidget* parent);

}  // namespace oriastra
