// What a row of the function table is enough for: a new function written in
// any property text passes the text preparation and compiles to its own code,
// and both help pages list it.

#include "interpreter/function_table.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "interpreter/interpreter.h"
#include "interpreter/property_text.h"
#include "interpreter/text_preparation.h"

namespace calorvia::interpreter {
namespace {

std::string upper(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return result;
}

TEST(FunctionTableTest, EveryFunctionCompilesToItsOwnCodeInAPropertyText) {
    for (std::size_t i = 0; i < FormulaFunctions.size(); ++i) {
        const std::string name(FormulaFunctions[i].name);
        SCOPED_TRACE(name);
        const auto ownCode = code::FirstFunction + static_cast<std::int32_t>(i);
        const std::vector<std::int32_t> expected{code::FirstVariable, ownCode};
        for (const auto& [text, variable] :
             {std::pair{upper(name) + "(T)", PropertyVariable::Temperature},
              std::pair{name + " (x)", PropertyVariable::Position}}) {
            const CheckedProperty checked = checkPropertyText(text, variable);
            ASSERT_EQ(checked.outcome, PropertyOutcome::Formula) << text;
            Interpreter interpreter;
            ScopedFormula release(interpreter);
            ASSERT_EQ(interpreter.INIT(checked.text, {variableName(variable)}), StatusOk);
            EXPECT_EQ(std::vector(interpreter.codes().begin(), interpreter.codes().end()),
                      expected);
        }
    }
}

// A name passes IDENTIFICA only with its argument after it: "(" may follow
// after blanks, anything else (or nothing) turns the text into "erro".
TEST(FunctionTableTest, IdentificaChecksTheUseOfEveryName) {
    for (const FormulaFunction& function : FormulaFunctions) {
        const std::string name(function.name);
        for (const std::string& used : {name + "(x)", "2*" + name + "  (x)+1"}) {
            std::string text = upper(used);
            IDENTIFICA(text);
            EXPECT_EQ(text, used);
        }
        for (const std::string& misused : {name + " x", name + "#(x)", "2*" + name, name + "("}) {
            std::string text = misused;
            IDENTIFICA(text);
            EXPECT_EQ(text, "erro") << misused;
        }
    }
}

std::string helpPage(const char* file) {
    std::ifstream in(std::filesystem::path(CALORVIA_SOURCE_DIR) / "data/help" / file);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

TEST(FunctionTableTest, BothHelpPagesListEveryFunction) {
    const std::string count = std::to_string(FormulaFunctions.size());
    for (const auto& [file, heading] : {std::pair{"Syntax.html", "The " + count + " functions"},
                                        std::pair{"Sintaxe.html", "As " + count + " funções"}}) {
        SCOPED_TRACE(file);
        const std::string page = helpPage(file);
        ASSERT_FALSE(page.empty());
        EXPECT_NE(page.find("<h2>" + heading + "</h2>"), std::string::npos) << heading;
        for (const FormulaFunction& function : FormulaFunctions) {
            const std::string entry = "<code>" + std::string(function.name) + "(a)</code>";
            EXPECT_NE(page.find(entry), std::string::npos) << entry;
        }
    }
}

}  // namespace
}  // namespace calorvia::interpreter
