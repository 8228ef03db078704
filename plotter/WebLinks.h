#pragma once

#include <QString>

namespace plotter {

// The maker's web site; the product's pages lie at fixed paths below it.
inline constexpr const char* MakerSite = "https://www.orvane.se";
inline constexpr const char* ProductPagePath = "/quorra";
inline constexpr const char* TranslationPagePath = "/quorra/translate";

// The address of `path` on the maker's site; an empty path gives the site's root page.
inline QString makerPage(const char* path = "") {
    return QLatin1String(MakerSite) + QLatin1String(path);
}

} // namespace plotter
