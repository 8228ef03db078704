#include "projects/ColumnTextImport.h"

#include "common/TextFile.h"
#include "translation/Translator.h"

#include <algorithm>
#include <cctype>

namespace projects {

namespace {

using translation::T;

constexpr std::size_t ShapeRecords = 50;
constexpr std::size_t BinaryCheckBytes = 64 * 1024;
constexpr std::size_t MaxDataRows = DataLists::kMaxRowCount - 1;

// The text of `key` with "%1", "%2", ... replaced by the values.
std::string message(const char* key, std::initializer_list<std::string> values) {
    std::string text = T(key);
    int index = 1;
    for (const std::string& value : values) {
        const std::string marker = "%" + std::to_string(index++);
        if (const auto at = text.find(marker); at != std::string::npos)
            text.replace(at, marker.size(), value);
    }
    return text;
}

bool isEmptyRecord(const std::vector<std::string_view>& cells) {
    return std::all_of(cells.begin(), cells.end(), [](std::string_view cell) { return cell.empty(); });
}

// The data rows of a text read with a format, each checked against the columns of the file.
class DataRows {
public:
    DataRows(std::string_view text, const ColumnTextFormat& format) : records_(text, format.separator) {
        // As many cells as most of the first records have, without columns that are empty in all
        // of them: separators at the ends of the lines make no column.
        LengthTally lengths;
        std::size_t filled = 0;
        ColumnTextRecords sample(text, format.separator);
        for (std::size_t i = 0; i < ShapeRecords && sample.next(); ++i) {
            lengths.add(sample.cells().size());
            filled = std::max(filled, filledLength(sample.cells()));
        }
        columns_ = std::min(lengths.mostFrequent(), filled);
        if (columns_ < 2)
            throw ColumnTextError(T("ImportTooFewColumns"));
        headerCells_.assign(columns_, std::string());
        if (format.hasHeader && records_.next())
            for (std::size_t c = 0; c < std::min(columns_, records_.cells().size()); ++c)
                headerCells_[c] = std::string(records_.cells()[c]);
    }

    int columns() const { return static_cast<int>(columns_); }
    const std::vector<std::string>& headerCells() const { return headerCells_; }

    // The next row with a filled cell; the rows of empty cells before it are counted in row().
    bool next() {
        while (records_.next()) {
            const auto& cells = records_.cells();
            if (isEmptyRecord(cells)) {
                ++emptyRows_;
                continue;
            }
            const std::size_t filled = filledLength(cells);
            if (cells.size() < columns_ || filled > columns_)
                throw ColumnTextError(
                    message("ImportRowLength", {std::to_string(records_.line()),
                                                std::to_string(filled > columns_ ? filled : cells.size()),
                                                std::to_string(columns_)}));
            row_ += emptyRows_ + 1;
            emptyRows_ = 0;
            if (row_ > MaxDataRows)
                throw ColumnTextError(T("ColumnFileTooManyRows"));
            return true;
        }
        return false;
    }
    const std::vector<std::string_view>& cells() const { return records_.cells(); }
    // The data row (from 1) of the row read last.
    std::size_t row() const { return row_; }

private:
    ColumnTextRecords records_;
    std::size_t columns_ = 0;
    std::vector<std::string> headerCells_;
    std::size_t row_ = 0;
    std::size_t emptyRows_ = 0;
};

void noteNotANumber(std::optional<CellPosition>& first, std::string_view cell, char decimal, std::size_t row,
                    int column) {
    if (!first && !cell.empty() && !isNumberCell(cell, decimal))
        first = CellPosition{row, column};
}

} // namespace

bool namesColumnTextFile(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".csv" || extension == ".tsv" || extension == ".txt" || extension == ".dat";
}

ImportedLists importColumnTextFile(const std::filesystem::path& path, char userDecimal) {
    const std::string text = readImportText(path);
    const ColumnTextFormat format = detectColumnTextFormat(text);
    const int columns = previewColumnText(text, format, userDecimal).columnCount;
    return importColumnText(text, format, defaultColumnChoice(columns), userDecimal);
}

std::string readImportText(const std::filesystem::path& path) {
    const std::string bytes = common::readFileBytes(path);
    if (bytes.empty())
        throw ColumnTextError(T("ImportFileEmpty"));
    if (std::string_view(bytes).substr(0, BinaryCheckBytes).find('\0') != std::string_view::npos)
        throw ColumnTextError(T("ImportNotTextFile"));
    return common::decodeText(bytes);
}

ImportPreview previewColumnText(std::string_view text, const ColumnTextFormat& format, char userDecimal) {
    DataRows rows(text, format);
    ImportPreview preview;
    preview.format = format;
    preview.columnCount = rows.columns();
    for (const std::string& header : rows.headerCells())
        preview.columnNames.push_back(mendedListName(header));
    while (rows.next()) {
        if (rows.row() > ImportPreview::ShownRows)
            continue;
        preview.rows.resize(rows.row());
        std::vector<std::string>& shown = preview.rows.back();
        for (int c = 0; c < rows.columns(); ++c) {
            const std::string_view cell = rows.cells()[static_cast<std::size_t>(c)];
            shown.push_back(importedCellText(cell, format.decimalSeparator, userDecimal));
            noteNotANumber(preview.firstNotANumber, cell, format.decimalSeparator, rows.row(), c + 1);
        }
    }
    preview.rowCount = rows.row();
    if (preview.rowCount == 0)
        throw ColumnTextError(T("ImportNoRows"));
    for (auto& shown : preview.rows)
        shown.resize(static_cast<std::size_t>(preview.columnCount));
    return preview;
}

ColumnChoice defaultColumnChoice(int columnCount) {
    ColumnChoice choice;
    choice.yColumn = std::max(columnCount - 1, 1);
    for (int c = 0; c < std::min(choice.yColumn, DataLists::kMaxVariables); ++c)
        choice.xColumns.push_back(c);
    return choice;
}

bool isValidColumnChoice(const ColumnChoice& choice, int columnCount) {
    const auto k = static_cast<int>(choice.xColumns.size());
    if (k < DataLists::kMinVariables || k > DataLists::kMaxVariables)
        return false;
    std::vector<int> used = choice.xColumns;
    used.push_back(choice.yColumn);
    std::sort(used.begin(), used.end());
    return used.front() >= 0 && used.back() < columnCount &&
           std::adjacent_find(used.begin(), used.end()) == used.end();
}

std::vector<std::string> chosenListNames(const std::vector<std::string>& columnNames,
                                         const ColumnChoice& choice) {
    const auto nameOf = [&](int column) {
        return static_cast<std::size_t>(column) < columnNames.size()
                   ? columnNames[static_cast<std::size_t>(column)]
                   : std::string();
    };
    std::vector<std::string> names;
    const std::size_t k = choice.xColumns.size();
    for (std::size_t i = 0; i < k; ++i) {
        std::string name = nameOf(choice.xColumns[i]);
        names.push_back(!name.empty() ? name : k == 1 ? std::string("X") : "X" + std::to_string(i + 1));
    }
    const std::string y = nameOf(choice.yColumn);
    names.push_back(y.empty() ? std::string("Y") : y);
    return names;
}

ImportedLists importColumnText(std::string_view text, const ColumnTextFormat& format,
                               const ColumnChoice& choice, char userDecimal) {
    DataRows rows(text, format);
    if (!isValidColumnChoice(choice, rows.columns()))
        throw ColumnTextError(T("ImportTooFewColumns"));
    ImportedLists imported;
    std::vector<std::string> columnNames;
    for (const std::string& header : rows.headerCells())
        columnNames.push_back(mendedListName(header));
    imported.listNames = chosenListNames(columnNames, choice);

    std::vector<int> sources = choice.xColumns;
    sources.push_back(choice.yColumn);
    DataLists& lists = imported.lists;
    lists.setVariableCount(static_cast<int>(choice.xColumns.size()));
    // At most one row per line: enough room without growing while filling.
    const auto lineEnds = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n') +
                                                   std::count(text.begin(), text.end(), '\r'));
    const int reserved = static_cast<int>(std::min(lineEnds + 1, MaxDataRows));
    for (std::size_t i = 0; i < sources.size(); ++i)
        lists.reserveRows(static_cast<int>(i) + 1, reserved);
    while (rows.next()) {
        const int row = static_cast<int>(rows.row());
        for (std::size_t i = 0; i < sources.size(); ++i) {
            const std::string_view cell = rows.cells()[static_cast<std::size_t>(sources[i])];
            lists.setCell(static_cast<int>(i) + 1, row,
                          importedCellText(cell, format.decimalSeparator, userDecimal));
            noteNotANumber(imported.firstNotANumber, cell, format.decimalSeparator, rows.row(),
                           sources[i] + 1);
        }
    }
    imported.rowCount = rows.row();
    if (imported.rowCount == 0)
        throw ColumnTextError(T("ImportNoRows"));
    for (std::size_t i = 0; i < sources.size(); ++i)
        lists.setHeader(static_cast<int>(i) + 1,
                        lists.headerFor(static_cast<int>(i) + 1, imported.listNames[i]));
    return imported;
}

} // namespace projects
