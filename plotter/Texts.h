#pragma once

#include <QString>
#include <string_view>

namespace plotter {

// The translation of `key` as a caption: "&" marks the accelerator letter. A key missing from the
// language file is reported and gives `fallback`, so a caption keeps its default text.
QString caption(std::string_view key, const QString& fallback = {});

// The translation of `key` for a hint, a status line or a message: accelerator marks removed.
QString plainText(std::string_view key, const QString& fallback = {});

// `text` without accelerator marks ("&&" stays as one "&").
QString withoutAccelerators(const QString& text);

} // namespace plotter
