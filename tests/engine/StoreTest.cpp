#include "EngineTestSupport.h"

#include <stdexcept>

using Store = EngineTest;

TEST_F(Store, PositionsCountFromZeroAndCloseUpAfterDelete) {
    auto& store = engine::FunctionDB();
    EXPECT_EQ(store.Add(), 0);
    EXPECT_EQ(store.Add(), 1);
    engine::TFunction* second = &store.Items(1);
    store.Delete(0);
    EXPECT_EQ(store.count(), 1);
    EXPECT_EQ(&store.Items(0), second);
    store.Clear();
    EXPECT_EQ(store.Add(), 0);
}

TEST_F(Store, PositionsOutsideTheStoreAreRefused) {
    auto& store = engine::FunctionDB();
    store.Add();
    EXPECT_THROW(store.Items(1), std::out_of_range);
    EXPECT_THROW(store.Items(-1), std::out_of_range);
    EXPECT_THROW(store.Delete(5), std::out_of_range);
}

TEST_F(Store, EachCompilationOfADerivativeAddsOneFunction) {
    auto& store = engine::FunctionDB();
    engine::TFunction& function = store.Items(store.Add());
    std::string error;
    ASSERT_TRUE(function.Compile("d/dx(x^2)", error));
    EXPECT_EQ(store.count(), 2);
    ASSERT_TRUE(function.Compile("d/dx(x^2)+d/dx(x)", error));
    EXPECT_EQ(store.count(), 4);
    // Nested derivatives are stored outer first.
    ASSERT_TRUE(function.Compile("d/dx(d/dx(x^3))+d/dx(x)", error));
    EXPECT_EQ(store.count(), 7);
    long double y = 0;
    ASSERT_TRUE(store.Items(5).Evaluate(2, y));
    EXPECT_NEAR_VALUE(y, 8);
    ASSERT_TRUE(store.Items(6).Evaluate(2, y));
    EXPECT_NEAR_VALUE(y, 2);
}

TEST_F(Store, AFailedCompilationStaysInTheStore) {
    auto& store = engine::FunctionDB();
    const int position = store.Add();
    std::string error;
    EXPECT_FALSE(store.Items(position).Compile("x+", error));
    EXPECT_EQ(store.count(), 1);
    EXPECT_FALSE(store.Items(position).compiled());
}

TEST_F(Store, DeletingTheEntryOfADifferentiatedFunctionKeepsTheDerivativeWorking) {
    auto& store = engine::FunctionDB();
    engine::TFunction& function = store.Items(store.Add());
    std::string error;
    ASSERT_TRUE(function.Compile("d/dx(x^2)", error));
    store.Delete(1);
    store.Add();
    long double y = 0;
    ASSERT_TRUE(function.Evaluate(3, y));
    EXPECT_NEAR(static_cast<double>(y), 6, 1e-8);
}
