#include "common/BrandFrame.h"

#include <QGroupBox>
#include <QHBoxLayout>

#include "common/BannerCaptions.h"
#include "common/BannerLabel.h"
#include "common/modHelp.h"

namespace oriastra {

QGroupBox* MakeBrandFrame(Platform& platform, QWidget* parent) {
    auto* frame = new QGroupBox(parent);
    frame->setObjectName("fraFullBrand");
    frame->setProperty("banner", true);
    auto* lblCobrand = new BannerLabel("lblCobrand", kCoBrandCaption,
                                       [&platform] { OpenCoBrandPage(platform); }, frame);
    auto* lblFullBrand = new BannerLabel("lblFullBrand", kFullBrandCaption,
                                         [&platform] { OpenFullBrandPage(platform); }, frame);
    auto* layout = new QHBoxLayout(frame);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(14);
    layout->addWidget(lblCobrand, 1);
    layout->addWidget(lblFullBrand, 1);
    return frame;
}

BannerLabel* MakeSponsorLabel(const QString& objectName, std::string_view caption,
                              Platform& platform, QWidget* parent) {
    auto* label =
        new BannerLabel(objectName, caption, [&platform] { OpenHomePage(platform); }, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace oriastra
