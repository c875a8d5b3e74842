#include "common/windows/BrandFrame.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>

#include "common/logic/BannerCaptions.h"
#include "common/windows/BannerLabel.h"
#include "common/windows/modHelp.h"

namespace oriastra {

namespace {

// What each page is, as assistive technology describes a link to it.
QString HomePageRole() {
    return QCoreApplication::translate(
        "BrandFrame",
        "Opens the sponsor's home page, a discussion forum on mystic subjects, in your browser");
}
QString CoBrandPageRole() {
    return QCoreApplication::translate(
        "BrandFrame",
        "Opens the page on co-branding this software for your own site, in your browser");
}
QString FullBrandPageRole() {
    return QCoreApplication::translate(
        "BrandFrame",
        "Opens the offer to get this software fully branded for your web site, in your browser");
}

}  // namespace

QGroupBox* MakeBrandFrame(Platform& platform, QWidget* parent) {
    auto* frame = new QGroupBox(parent);
    frame->setObjectName("fraFullBrand");
    frame->setProperty("banner", true);
    auto* lblCobrand = new BannerLabel(
        "lblCobrand", CoBrandCaption(), CoBrandPageRole(),
        [&platform] { OpenCoBrandPage(platform); }, frame);
    auto* lblFullBrand = MakeFullBrandLabel("lblFullBrand", FullBrandCaption(), platform, frame);
    auto* layout = new QHBoxLayout(frame);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(14);
    layout->addWidget(lblCobrand, 1);
    layout->addWidget(lblFullBrand, 1);
    return frame;
}

BannerLabel* MakeSponsorLabel(const QString& objectName, std::string_view caption,
                              Platform& platform, QWidget* parent) {
    auto* label = new BannerLabel(
        objectName, caption, HomePageRole(), [&platform] { OpenHomePage(platform); }, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

BannerLabel* MakeFullBrandLabel(const QString& objectName, std::string_view caption,
                                Platform& platform, QWidget* parent) {
    return new BannerLabel(
        objectName, caption, FullBrandPageRole(), [&platform] { OpenFullBrandPage(platform); },
        parent);
}

}  // namespace oriastra
