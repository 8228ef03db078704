#include "engine/CompileError.h"
#include "engine/PassCompiler.h"
#include "engine/TFunctionDB.h"
#include "engine/TextPreparation.h"
#include "engine/WorkingText.h"
#include "translation/Translator.h"

#include <exception>
#include <memory>

namespace engine {

namespace {

// Each level of d/dx multiplies the evaluations per value by up to 100, and the numeric quotients
// of a third level are dominated by the rounding noise of the levels inside it (mostly 0). Two
// levels, the derivative of a derivative, still give sound values at a bearable cost. The limit
// also bounds the compilation of texts such as d/dx(d/dx(d/dx(...))).
constexpr int MaxDerivativeNesting = 2;

struct DerivativeNesting {
    int depth = 0;
    bool tooDeep = false;
    // An argument holds "()" ("d/dx()", or "d/dx(" closed by the text's preparation): it would
    // fail any function, so it fails the whole text once the text itself has compiled.
    bool emptyParentheses = false;
};

} // namespace

class Compiler {
public:
    static bool compile(TFunction& function, std::string_view text, std::string& errorText,
                        DerivativeNesting& nesting) {
        function.ops_.clear();
        function.subFunctions_.clear();
        function.registerCount_ = 0;
        function.hasDomain_ = false;
        function.compiled_ = false;
        function.plan_ = EvaluationPlan();
        try {
            const PreparedText prepared = prepareText(text);
            function.hasDomain_ = prepared.hasDomain;
            function.domainLower_ = prepared.domainLower;
            function.domainUpper_ = prepared.domainUpper;
            WorkingText working(prepared.text);
            PassCompiler passes(working, function, [&](const std::string& argument) {
                return addDerivative(function, argument, nesting);
            });
            passes.compileAll();
        } catch (const std::exception& error) {
            errorText = error.what();
            return false;
        }
        function.plan_ = EvaluationPlan::prepare(function.ops_, function.registers_, function.registerCount_);
        if (function.hasDomain_)
            function.plan_.limitShortForm(function.domainLower_, function.domainUpper_);
        function.compiled_ = true;
        return true;
    }

private:
    // The function differentiated by a d/dx of `owner`: a new entry of the store in the owner's angle
    // unit, compiled from the argument text. Its own success is not checked: a failure makes every
    // evaluation of `owner` fail. Only empty parentheses in it are refused (see DerivativeNesting).
    static TFunction* addDerivative(TFunction& owner, const std::string& argument,
                                    DerivativeNesting& nesting) {
        auto differentiated = std::make_shared<TFunction>();
        differentiated->angleUnit_ = owner.angleUnit_;
        owner.subFunctions_.push_back(differentiated);
        FunctionDB().append(differentiated);
        if (argument.find("()") != std::string::npos)
            nesting.emptyParentheses = true;
        if (nesting.depth == MaxDerivativeNesting) {
            nesting.tooDeep = true;
        } else {
            ++nesting.depth;
            std::string ignored;
            compile(*differentiated, argument, ignored, nesting);
            --nesting.depth;
        }
        return differentiated.get();
    }
};

bool TFunction::Compile(std::string_view text, std::string& errorText) {
    DerivativeNesting nesting;
    if (!Compiler::compile(*this, text, errorText, nesting))
        return false;
    if (nesting.tooDeep || nesting.emptyParentheses) {
        compiled_ = false;
        errorText = translation::T(nesting.tooDeep ? "DerivativesNestedTooDeep" : "EmptyParentheses");
        return false;
    }
    return true;
}

} // namespace engine
