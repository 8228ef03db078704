#pragma once

#include <QString>
#include <string_view>

namespace plotter {

// The translation of `key` as a caption: "&" marks the accelerator letter.
QString caption(std::string_view key);

// The translation of `key` for a hint, a status line or a message: accelerator marks removed.
QString plainText(std::string_view key);

// `text` without accelerator marks ("&&" stays as one "&").
QString withoutAccelerators(const QString& text);

} // namespace plotter
