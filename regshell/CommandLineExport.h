#pragma once

namespace regshell {

struct CommandLineRequest;

// Draws the requested project of the project file, with its range, axis names, function records
// and the scatter of its lists, into the picture file the request names (by its extension: .png and
// .bmp from the raster picture, .svg and .pdf from the vector picture). The project file's numbers
// are read with `decimalSeparator`. The file is written atomically and only when the whole picture
// was made; every failure throws CommandLineError.
void exportProjectGraph(const CommandLineRequest& request, char decimalSeparator);

} // namespace regshell
