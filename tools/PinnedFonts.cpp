#include "PinnedFonts.h"

#include <QFile>
#include <QString>

namespace oriastra {

namespace {

// Hinting and smoothing as a desktop has them by default; sans-serif stands for any family
// that is not installed (the report asks for Verdana).
constexpr char kRules[] = R"(
  <match target="pattern">
    <test qual="all" name="family" compare="not_eq"><string>sans-serif</string></test>
    <test qual="all" name="family" compare="not_eq"><string>serif</string></test>
    <test qual="all" name="family" compare="not_eq"><string>monospace</string></test>
    <edit name="family" mode="append_last"><string>sans-serif</string></edit>
  </match>
  <alias><family>sans-serif</family><prefer><family>Noto Sans</family></prefer></alias>
  <alias><family>serif</family><prefer><family>Noto Serif</family></prefer></alias>
  <alias><family>monospace</family><prefer><family>DejaVu Sans Mono</family></prefer></alias>
  <match target="font">
    <edit name="antialias" mode="assign"><bool>true</bool></edit>
    <edit name="hinting" mode="assign"><bool>true</bool></edit>
    <edit name="hintstyle" mode="assign"><const>hintslight</const></edit>
    <edit name="rgba" mode="assign"><const>none</const></edit>
    <edit name="lcdfilter" mode="assign"><const>lcddefault</const></edit>
    <edit name="embeddedbitmap" mode="assign"><bool>false</bool></edit>
  </match>
)";

}  // namespace

PinnedFonts::PinnedFonts() {
    if (!folder_.isValid()) return;
    QString config = QStringLiteral(
        "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
        "<fontconfig>\n");
    for (const char* fonts : kFolders) config += QStringLiteral("  <dir>%1</dir>\n").arg(fonts);
    // The scan of these folders is cached in the temporary folder; the system's cache is read.
    config += QStringLiteral("  <cachedir>%1</cachedir>\n").arg(folder_.filePath("cache"));
    config += QStringLiteral("  <cachedir>/var/cache/fontconfig</cachedir>\n");
    config += QString::fromLatin1(kRules);
    config += QStringLiteral("</fontconfig>\n");
    QFile file(folder_.filePath(QStringLiteral("fonts.conf")));
    if (!file.open(QIODevice::WriteOnly) || file.write(config.toUtf8()) < 0) return;
    file.close();
    qputenv("FONTCONFIG_FILE", QFile::encodeName(file.fileName()));
    pinned_ = true;
}

}  // namespace oriastra
