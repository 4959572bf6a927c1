// The numeric error hook: the message of every kind in both languages, and
// the hook at work inside a formula evaluation.

#include <cmath>
#include <string>
#include <vector>

#include "interpreter/interpreter.h"
#include "shell/math_error_report.h"
#include "shell_test_support.h"
#include "support/case_names.h"

namespace calorvia::shell::testing {

using texts::Language;

namespace {

struct MessageCase {
    std::int32_t kind;
    const char* english;
    const char* portuguese;
};

class MathErrorMessageTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(MathErrorMessageTest, NameAndReasonInTheLanguage) {
    EXPECT_EQ(mathErrorMessage("sqrt", GetParam().kind, Language::English), GetParam().english);
    EXPECT_EQ(mathErrorMessage("sqrt", GetParam().kind, Language::Portuguese),
              GetParam().portuguese);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, MathErrorMessageTest,
    ::testing::Values(
        MessageCase{1, "A error has occurred!  Function - sqrt - \n       Error:  Argument domain",
                    "Ocorreu um erro!  Função - sqrt - \nErro:  Domínio do argumento"},
        MessageCase{
            2, "A error has occurred!  Function - sqrt - \n       Error:  Argument singularity",
            "Ocorreu um erro!  Função - sqrt - \nErro:  Singularidade do argumento"},
        MessageCase{3, "A error has occurred!  Function - sqrt - \n       Error:  Overflow range",
                    "Ocorreu um erro!  Função - sqrt - \nErro:  Valor acima do intervalo"},
        MessageCase{4, "A error has occurred!  Function - sqrt - \n       Error:  Underflow range",
                    "Ocorreu um erro!  Função - sqrt - \nErro:  Valor abaixo do intervalo"},
        MessageCase{5,
                    "A error has occurred!  Function - sqrt - \n       Error:  Loss of precision",
                    "Ocorreu um erro!  Função - sqrt - \nErro:  Perda de precisão"},
        MessageCase{6,
                    "A error has occurred!  Function - sqrt - \n       Error:  Loss of precision",
                    "Ocorreu um erro!  Função - sqrt - \nErro:  Perda de precisão"},
        MessageCase{0, "A error has occurred!", "Ocorreu um erro!"},
        MessageCase{7, "A error has occurred!", "Ocorreu um erro!"},
        MessageCase{-3, "A error has occurred!", "Ocorreu um erro!"}),
    [](const auto& row) {
        return "Kind_" + calorvia::testing::textName(std::to_string(row.param.kind));
    });

struct FormulaCase {
    const char* formula;
    double value;
    const char* english;
    const char* portuguese;
};

class MathErrorHookTest : public ProgramDirectoryTest,
                          public ::testing::WithParamInterface<FormulaCase> {};

// A failing library call inside EVALUATE shows the message in the current
// language and turns into a cancel request; the evaluation itself goes on.
TEST_P(MathErrorHookTest, AFailingFormulaIsReportedAndRequestsACancel) {
    for (const bool portuguese : {false, true}) {
        platform::ScriptedPlatform local;
        const auto shell = startedShellOn(local, portuguese);
        local.clearRecords();

        interpreter::Interpreter engine(shell->mathErrorHook());
        ASSERT_EQ(engine.INIT(GetParam().formula, {"z"}), interpreter::StatusOk);
        local.expectMessageBox(platform::kAnswerOk,
                               portuguese ? GetParam().portuguese : GetParam().english,
                               portuguese ? "Atenção" : "Attention", platform::kMessageOk);
        const double values[] = {GetParam().value};
        engine.EVALUATE(values);
        engine.DESTROYFUNC();

        EXPECT_EQ(shell->state().runState(), RunState::CancelRequested);
        const auto documents = local.callsNamed("openDocument");
        ASSERT_EQ(documents.size(), 1u);
        EXPECT_EQ(documents[0].toString(), "openDocument(1, \"Tutorial_inexistente.pdf\")");
        local.verifyScriptDone();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, MathErrorHookTest,
    ::testing::Values(
        FormulaCase{"sqrt(z)", -1.0,
                    "A error has occurred!  Function - sqrt - \n       Error:  Argument domain",
                    "Ocorreu um erro!  Função - sqrt - \nErro:  Domínio do argumento"},
        FormulaCase{"log(z)", 0.0,
                    "A error has occurred!  Function - log - \n       Error:  Argument singularity",
                    "Ocorreu um erro!  Função - log - \nErro:  Singularidade do argumento"},
        FormulaCase{"exp(z)", 1000.0,
                    "A error has occurred!  Function - exp - \n       Error:  Overflow range",
                    "Ocorreu um erro!  Função - exp - \nErro:  Valor acima do intervalo"}),
    [](const auto& row) { return calorvia::testing::caseName(row.param.formula); });

TEST_F(ProgramDirectoryTest, TheHookReturnsOneAndTheNextRunStartsNormally) {
    auto shell = startedShell();
    platform.expectMessageBox(platform::kAnswerOk);
    EXPECT_EQ(shell->MATHERRQQ("pow", 1), 1);
    EXPECT_EQ(shell->state().runState(), RunState::CancelRequested);

    // The run resets RunState at its start; a later run is not stopped.
    std::vector<RunState> seen;
    shell->setRunEntry([&] {
        shell->state().runStarted();
        seen.push_back(shell->state().runState());
    });
    platform.chooseMenuItem(2, 1);
    EXPECT_TRUE(shell->idleStep());
    EXPECT_EQ(seen, std::vector<RunState>{RunState::Idle});
    platform.verifyScriptDone();
}

TEST_F(ProgramDirectoryTest, EveryFailureShowsItsOwnMessage) {
    auto shell = startedShell();
    interpreter::Interpreter engine(shell->mathErrorHook());
    ASSERT_EQ(engine.INIT("sqrt(z)+log(z)", {"z"}), interpreter::StatusOk);
    platform.expectMessageBox(platform::kAnswerOk,
                              "A error has occurred!  Function - sqrt - \n       Error:  Argument "
                              "domain");
    platform.expectMessageBox(platform::kAnswerOk,
                              "A error has occurred!  Function - log - \n       Error:  Argument "
                              "domain");
    const double values[] = {-4.0};
    const double result = engine.EVALUATE(values);
    EXPECT_TRUE(std::isnan(result));  // the library's substitute values stand
    platform.verifyScriptDone();
}

}  // namespace
}  // namespace calorvia::shell::testing
