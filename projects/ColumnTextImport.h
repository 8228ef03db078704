#pragma once

#include "projects/ColumnTextFormat.h"
#include "projects/DataLists.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace projects {

// Whether a file name has the extension of a text file of columns: .csv, .tsv, .txt or .dat in any
// letter case.
bool namesColumnTextFile(const std::filesystem::path& path);

// The text of a file to import: UTF-8 with or without a byte order mark, otherwise Windows-1252.
// An empty file and a file with a NUL byte in its first 64 KiB throw ColumnTextError; a file that
// cannot be read throws std::runtime_error with the system's reason.
std::string readImportText(const std::filesystem::path& path);

// A cell of the file: data row and column, both from 1.
struct CellPosition {
    std::size_t row = 0;
    int column = 0;

    friend bool operator==(const CellPosition&, const CellPosition&) = default;
};

// What the import dialog shows of a file read with a format: the column names of the header
// (mended into list names, "" without a header), the first rows, how many rows there are in all,
// and the first shown cell that is not a number.
struct ImportPreview {
    static constexpr std::size_t ShownRows = 20;

    ColumnTextFormat format;
    int columnCount = 0;
    std::vector<std::string> columnNames;
    std::vector<std::vector<std::string>> rows; // cells as the lists will hold them
    std::size_t rowCount = 0;
    std::optional<CellPosition> firstNotANumber;
};

// Reads the whole text with the format, keeping only the first rows. The file has as many
// columns as most of its first records have cells, less the last ones when they are empty in all
// of these records; a record may have more cells only when they are empty. Rows of separators only are rows
// of empty cells, except at the end of the file. Throws ColumnTextError for fewer than two columns, no rows,
// a row of another length, more rows than the lists hold and a quoted cell not closed.
ImportPreview previewColumnText(std::string_view text, const ColumnTextFormat& format, char userDecimal);

// Which columns of the file (from 0) become X1..Xk and Y.
struct ColumnChoice {
    std::vector<int> xColumns;
    int yColumn = 1;

    friend bool operator==(const ColumnChoice&, const ColumnChoice&) = default;
};

// The last column is Y and the ones before it X, at most the first five.
ColumnChoice defaultColumnChoice(int columnCount);
// Whether the choice names 1..5 X columns and a Y column, all different, of the file's columns.
bool isValidColumnChoice(const ColumnChoice& choice, int columnCount);

// The list names of the chosen columns: the header names, or X (X1..Xk with several) and Y where
// the header names none.
std::vector<std::string> chosenListNames(const std::vector<std::string>& columnNames,
                                         const ColumnChoice& choice);

// The chosen columns as data lists, the header row's texts "X1: name" ... "Y: name".
struct ImportedLists {
    DataLists lists;
    std::vector<std::string> listNames;
    std::size_t rowCount = 0;
    std::optional<CellPosition> firstNotANumber; // among the chosen columns, counted in the file
};

// Reads every row of the text; the same failures as previewColumnText. Cells are kept as texts,
// numbers with the user's decimal separator.
ImportedLists importColumnText(std::string_view text, const ColumnTextFormat& format,
                               const ColumnChoice& choice, char userDecimal);

// The file read with the format detected and the default columns, as the command line opens it.
ImportedLists importColumnTextFile(const std::filesystem::path& path, char userDecimal);

} // namespace projects
