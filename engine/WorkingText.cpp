#include "engine/WorkingText.h"

#include "engine/NumberClasses.h"

#include <algorithm>
#include <string_view>

namespace engine {

namespace {

// The characters that the passes of the compiler look for.
constexpr std::string_view SearchedCharacters = "dlgsctaonqrbmi^/*(x";

// The list of a searched character, or -1.
int occurrenceList(char character) {
    static constexpr auto lists = [] {
        std::array<std::int8_t, 256> table{};
        table.fill(-1);
        for (std::size_t k = 0; k < SearchedCharacters.size(); ++k)
            table[static_cast<unsigned char>(SearchedCharacters[k])] = static_cast<std::int8_t>(k);
        return table;
    }();
    return lists[static_cast<unsigned char>(character)];
}

// Below this many positions a range is searched cell by cell instead of through the occurrence lists.
constexpr int ShortRange = 32;

} // namespace

int WorkingText::Occurrences::firstLiveIndex(int index) {
    while (link[index] != index) {
        link[index] = link[link[index]];
        index = link[index];
    }
    return index;
}

WorkingText::WorkingText(const std::string& text) {
    const int n = static_cast<int>(text.size());
    cells_.resize(n);
    next_.resize(n + 1);
    prev_.resize(n + 1);
    partner_.assign(n, -1);
    live_.assign(n, true);
    stopLink_.resize(n);
    occurrenceIndex_.assign(n, -1);

    std::vector<int> level(n);
    std::vector<int> openParentheses;
    int depth = 0;
    int deepest = 0;
    for (int i = 0; i < n; ++i) {
        cells_[i] = {text[i], false, 0};
        next_[i] = i + 1;
        prev_[i] = i - 1;
        level[i] = depth;
        if (text[i] == '(') {
            openParentheses.push_back(i);
            deepest = std::max(deepest, ++depth);
        } else if (text[i] == ')' && !openParentheses.empty()) {
            partner_[i] = openParentheses.back();
            partner_[openParentheses.back()] = i;
            openParentheses.pop_back();
            --depth;
        }
        if (const int k = occurrenceList(text[i]); k >= 0) {
            occurrenceIndex_[i] = static_cast<int>(occurrences_[k].positions.size());
            occurrences_[k].positions.push_back(i);
            ++occurrences_[k].liveCount;
        }
    }
    next_[n] = n;
    prev_[n] = n - 1;
    for (auto& list : occurrences_) {
        list.link.resize(list.positions.size() + 1);
        for (std::size_t k = 0; k < list.link.size(); ++k)
            list.link[k] = static_cast<int>(k);
    }

    // From right to left, nearestStop[d] is the next stop seen at level d; a group's own ")" is
    // the stop that ends every operand inside it.
    std::vector<int> nearestStop(deepest + 2, n);
    for (int i = n - 1; i >= 0; --i) {
        const int d = std::max(level[i], 0);
        stopLink_[i] = nearestStop[d];
        const char c = text[i];
        const bool exponentSign =
            isSign(c) && i > 0 && (text[i - 1] == 'E' || (text[i - 1] == '^' && i > 1 && text[i - 2] == ')'));
        if (isOperandStop(c) && !exponentSign)
            nearestStop[d] = i;
    }
}

WorkingText::Occurrences* WorkingText::occurrencesOf(char character) {
    return &occurrences_[occurrenceList(character)];
}

int WorkingText::find(char character, int first, int end) {
    if (first >= end)
        return -1;
    if (at(first) == character)
        return first;
    if (end - first <= ShortRange) {
        for (int p = first; p < end; p = next_[p])
            if (at(p) == character)
                return p;
        return -1;
    }
    Occurrences* list = occurrencesOf(character);
    if (list->liveCount == 0)
        return -1;
    const auto from = std::lower_bound(list->positions.begin(), list->positions.end(), first);
    const int index = list->firstLiveIndex(static_cast<int>(from - list->positions.begin()));
    if (index < static_cast<int>(list->positions.size()) && list->positions[index] < end)
        return list->positions[index];
    return -1;
}

int WorkingText::firstLiveStop(int position) {
    const int n = size();
    int stop = stopLink_[position];
    while (stop < n && (!live_[stop] || cells_[stop].isReference))
        stop = stopLink_[stop];
    for (int p = position; p < n && p != stop;) {
        const int following = stopLink_[p];
        stopLink_[p] = stop;
        p = following;
    }
    return stop;
}

int WorkingText::argumentLast(int start, int end) {
    return prev_[std::min(firstLiveStop(start), end)];
}

bool WorkingText::isNumberCell(int position) const {
    return !cells_[position].isReference && isNumberCharacter(cells_[position].character);
}

int WorkingText::atomFirst(int last, int first) {
    if (last < first)
        return -1;
    if (isReference(last) || at(last) == 'x')
        return last;
    if (at(last) == ')')
        return partner_[last] >= first ? partner_[last] : -1;
    // A sign directly after "E" is the sign of an exponent and belongs to the number.
    const auto belongsToNumber = [&](int p) {
        return isNumberCell(p) || (isSign(at(p)) && prev_[p] >= first && at(prev_[p]) == 'E');
    };
    if (!belongsToNumber(last))
        return -1;
    int start = last;
    while (prev_[start] >= first && belongsToNumber(prev_[start]))
        start = prev_[start];
    return start;
}

int WorkingText::leftOperandFirst(int last, int first) {
    int start = atomFirst(last, first);
    if (start < 0)
        return -1;
    while (prev_[start] >= first && at(prev_[start]) == '^') {
        const int caret = prev_[start];
        const int base = atomFirst(prev_[caret], first);
        if (base < 0)
            return caret;
        start = base;
    }
    return start;
}

int WorkingText::numberLast(int start, int end) const {
    int last = start;
    while (next_[last] < end) {
        const int following = next_[last];
        if (isNumberCell(following) || (at(last) == 'E' && at(following) == '-'))
            last = following;
        else
            break;
    }
    return last;
}

int WorkingText::exponentLast(int start, int end) {
    int p = start;
    if (p < end && isSign(at(p)))
        p = next_[p];
    if (p >= end)
        return -1;
    if (isReference(p) || at(p) == 'x')
        return p;
    if (at(p) == '(')
        return partner_[p];
    if (isNumberCell(p))
        return numberLast(p, end);
    return -1;
}

void WorkingText::forgetOccurrence(int position) {
    if (const int index = occurrenceIndex_[position]; index >= 0) {
        Occurrences* list = occurrencesOf(cells_[position].character);
        list->link[index] = index + 1;
        --list->liveCount;
        occurrenceIndex_[position] = -1;
    }
}

void WorkingText::leave(int position) {
    live_[position] = false;
    forgetOccurrence(position);
}

void WorkingText::remove(int position) {
    leave(position);
    if (prev_[position] >= 0)
        next_[prev_[position]] = next_[position];
    prev_[next_[position]] = prev_[position];
}

void WorkingText::replace(int first, int last, std::uint8_t registerNumber) {
    forgetOccurrence(first);
    cells_[first] = {'\0', true, registerNumber};
    int p = next_[first];
    while (p < size() && p <= last) {
        const int following = next_[p];
        leave(p);
        p = following;
    }
    next_[first] = p;
    prev_[p] = first;
}

std::optional<std::string> WorkingText::characters(int first, int end) const {
    std::string text;
    for (int p = first; p < end; p = next_[p]) {
        if (isReference(p))
            return std::nullopt;
        text += cells_[p].character;
    }
    return text;
}

} // namespace engine
