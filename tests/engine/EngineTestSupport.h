#pragma once

#include "engine/Engine.h"
#include "translation/Translator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

// Each test starts the engine afresh with "." as decimal and "," as thousands separator and with
// the English texts loaded, so error messages can be compared with the language file.
class EngineTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        translation::translator().setLanguageFiles(QUORRA_LANGUAGE_SOURCE_DIR, "qor");
        translation::translator().LoadLanguage("English");
    }
    void SetUp() override { engine::StartEngine('.', ','); }

    // The value of `text` at x; a failed compilation or evaluation fails the test.
    static long double valueOf(const std::string& text, long double x = 0,
                               engine::AngleUnit unit = engine::AngleUnit::Radians) {
        engine::TFunction function;
        function.setAngleUnit(unit);
        std::string error;
        EXPECT_TRUE(function.Compile(text, error)) << text << ": " << error;
        long double y = 0;
        EXPECT_TRUE(function.Evaluate(x, y)) << text << " at " << static_cast<double>(x);
        return y;
    }

    // Whether `text` compiles and has a value at x.
    static bool definedAt(const std::string& text, long double x,
                          engine::AngleUnit unit = engine::AngleUnit::Radians) {
        engine::TFunction function;
        function.setAngleUnit(unit);
        std::string error;
        EXPECT_TRUE(function.Compile(text, error)) << text << ": " << error;
        long double y = 0;
        return function.Evaluate(x, y);
    }

    // The error text of a compilation that must fail.
    static std::string errorOf(const std::string& text) {
        engine::TFunction function;
        std::string error;
        EXPECT_FALSE(function.Compile(text, error)) << text << " compiled";
        EXPECT_FALSE(function.compiled());
        return error;
    }

    static std::string T(const std::string& key) { return translation::T(key); }
};

// Two values agree to the last few bits of the 64-bit significand.
#define EXPECT_NEAR_VALUE(actual, expected)                                                                  \
    EXPECT_NEAR(static_cast<double>(actual), static_cast<double>(expected),                                  \
                1e-15 * std::fmax(1.0, std::fabs(static_cast<double>(expected))))
