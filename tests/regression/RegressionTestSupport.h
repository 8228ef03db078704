#pragma once

#include "regression/FitOutput.h"
#include "translation/Translator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Loads the English texts of Tessaly into the process-wide translator once, and fails any test
// that looks up a key the language file lacks.
inline void useEnglishTexts() {
    static const bool loaded = [] {
        auto& translator = translation::translator();
        translator.loadFile(std::string(QUORRA_LANGUAGE_SOURCE_DIR) + "/tsyEnglish.lng");
        translator.setMissingKeyHandler([](const std::string& message) { ADD_FAILURE() << message; });
        return true;
    }();
    (void)loaded;
}

class EnglishTextsTest : public ::testing::Test {
protected:
    void SetUp() override { useEnglishTexts(); }
};

// Points of a project "Project1" with one variable named X and the Y list named Y.
inline regression::FitData pointsOf(std::vector<long double> x, std::vector<long double> y,
                                    char separator = '.') {
    regression::FitData data;
    data.context = {"Project1", {"X"}, "Y", separator};
    data.x = {std::move(x)};
    data.y = std::move(y);
    return data;
}

using Lines = std::vector<std::string>;

inline const std::string kHyphens = "--------------------------------------";
