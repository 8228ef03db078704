// A text file imported into the lists: its format detected and also chosen by the first byte, read
// into a preview and into lists by the default and a reversed column choice; every cell and name
// must fit a project file, and the exported lists must import as the same cells.
#include "FuzzSupport.h"

#include "common/TextFile.h"
#include "projects/ColumnTextExport.h"
#include "projects/ColumnTextImport.h"
#include "projects/NameChecks.h"

#include <string>

namespace {

using namespace projects;

// A CSV file has "." in its numbers, so for a user of "," a text such as "4.5" would come back as
// the number 4,5: that user's round trip goes through tab-separated text.
void checkRoundTrip(const ImportedLists& imported, char userDecimal) {
    const bool csv = userDecimal == '.';
    const std::string exported = exportedColumnText(imported.lists, imported.listNames,
                                                    csv ? ExportKind::Csv : ExportKind::Tsv, userDecimal);
    const ColumnTextFormat format{csv ? ColumnSeparator::Comma : ColumnSeparator::Tab, userDecimal, true};
    const ImportedLists again =
        importColumnText(exported, format, defaultColumnChoice(imported.lists.yColumn()), userDecimal);
    FUZZ_CHECK(again.listNames == imported.listNames);
    for (int column = 1; column <= imported.lists.yColumn(); ++column)
        for (std::size_t row = 1; row <= imported.rowCount; ++row)
            FUZZ_CHECK(again.lists.cell(column, static_cast<int>(row)) ==
                       imported.lists.cell(column, static_cast<int>(row)));
}

void importWith(const std::string& text, const ColumnTextFormat& format, bool reversed, char userDecimal) {
    try {
        const ImportPreview preview = previewColumnText(text, format, userDecimal);
        FUZZ_CHECK(preview.columnCount >= 2);
        FUZZ_CHECK(preview.rows.size() <= ImportPreview::ShownRows &&
                   preview.rows.size() <= preview.rowCount);
        ColumnChoice choice = defaultColumnChoice(preview.columnCount);
        if (reversed) {
            choice.xColumns.assign(1, choice.yColumn);
            choice.yColumn = 0;
        }
        FUZZ_CHECK(isValidColumnChoice(choice, preview.columnCount));
        const ImportedLists imported = importColumnText(text, format, choice, userDecimal);
        FUZZ_CHECK(imported.rowCount == preview.rowCount);
        for (const std::string& name : imported.listNames)
            FUZZ_CHECK(!checkListName(name));
        for (int column = 1; column <= imported.lists.yColumn(); ++column)
            for (std::size_t row = 1; row <= imported.rowCount; ++row)
                FUZZ_CHECK(!checkCellText(imported.lists.cell(column, static_cast<int>(row))));
        checkRoundTrip(imported, userDecimal);
    } catch (const ColumnTextError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool started = [] {
        fuzzing::loadMessages("tsyEnglish.lng");
        return true;
    }();
    (void)started;
    if (size == 0)
        return 0;
    const std::uint8_t options = data[0];
    const std::string_view bytes = fuzzing::asText(data + 1, size - 1);
    // As readImportText refuses them.
    if (bytes.empty() || bytes.substr(0, 64 * 1024).find('\0') != std::string_view::npos)
        return 0;
    const std::string text = common::decodeText(bytes);
    const char userDecimal = (options & 0x10) != 0 ? ',' : '.';
    const bool reversed = (options & 0x20) != 0;
    importWith(text, detectColumnTextFormat(text), reversed, userDecimal);
    const ColumnTextFormat chosen{static_cast<ColumnSeparator>(options & 0x03),
                                  (options & 0x04) != 0 ? ',' : '.', (options & 0x08) != 0};
    importWith(text, chosen, reversed, userDecimal);
    return 0;
}
