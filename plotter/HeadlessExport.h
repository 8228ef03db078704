#pragma once

#include "graph/GraphCoordinates.h"

#include <QSize>
#include <string>
#include <string_view>
#include <vector>

namespace graph {
struct PlotOptions;
}

namespace plotter {

// A picture file drawn from the command line without any window:
//   math --export=FILE [--size=WIDTHxHEIGHT] [--range=XMIN,XMAX,XSTEP,YMIN,YMAX,YSTEP] [--degrees] [function
//   ...]
struct ExportRequest {
    std::string file;
    QSize size{800, 600};
    common::GraphRange range = graph::StandardRange;
    bool degrees = false;
    std::vector<std::string> functions;
};

inline constexpr int LargestExportSide = 10000;

// True when the command line asks for an export instead of the program's window.
bool isExportCommandLine(int argc, char* argv[]);
// True for the options an export takes: "--export=", "--size=", "--range=" and "--degrees".
bool isExportOption(std::string_view argument);

// Reads the arguments after the program name. Numbers on the command line use "." whatever the
// locale, as "," separates the range values. Returns false with the message in `error`.
bool parseExportArguments(const std::vector<std::string>& arguments, ExportRequest& request,
                          std::string& error);

// Plots the functions with the options and writes the file by its extension: .png and .bmp from the
// raster picture, .gif from it through the GIF writer, .svg and .pdf from the vector picture. Nothing is
// written unless every function compiles and the whole file could be made. Returns false with the message in
// `error`.
bool exportGraph(const ExportRequest& request, const graph::PlotOptions& options, std::string& error);

// The whole export as a program: its own application without a window, the default plotting
// options (whatever the window last used), messages in the chosen language on standard error.
// Returns the exit status.
int runExportProgram(int argc, char* argv[]);

} // namespace plotter
