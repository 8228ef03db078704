#include "EngineTestSupport.h"
#include "SameResults.h"

// Over a million generated texts and x values: the prepared evaluation against the plain one.
// A separate, longer test program; the quick engine tests compare a smaller sample.
namespace {

class GeneratedSameResults : public EngineTest {};

TEST_F(GeneratedSameResults, OnAMillionTextsAndPoints) {
    long long comparisons = 0;
    for (unsigned seed = 1; seed <= 8 && !HasFailure(); ++seed)
        comparisons += same_results::compareGeneratedTexts(seed * 7919, 6000, 40);
    EXPECT_GE(comparisons, 1000000);
    std::printf("%lld comparisons\n", comparisons);
}

} // namespace
