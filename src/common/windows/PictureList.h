#pragma once
#include <QString>
#include <array>
#include <cstddef>
#include <string_view>

namespace oriastra {

// A picture list stored with a window: picture `number` (counted from 1) of `files`, as the
// resource path ":/<window>/<file>.svg"; an empty path for a number outside the list.
template <std::size_t N>
QString PictureListEntry(std::string_view window, const std::array<const char*, N>& files,
                         int number) {
    if (number < 1 || number > static_cast<int>(N)) return {};
    return QStringLiteral(":/%1/%2.svg")
        .arg(QString::fromLatin1(window.data(), static_cast<qsizetype>(window.size())),
             QString::fromLatin1(files[static_cast<std::size_t>(number - 1)]));
}

}  // namespace oriastra
