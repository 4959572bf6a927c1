#include "interpreter/interpreter.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <optional>

#include "text/fixed_text.h"
#include "text/number_reader.h"

namespace calorvia::interpreter {
namespace {

constexpr std::size_t FormulaWidth = 256;
constexpr std::size_t TokenWidth = 255;
constexpr std::size_t VariableNameWidth = 10;

constexpr std::string_view OperatorCharacters = "+-*/^()";

bool isOperator(char c) {
    return OperatorCharacters.find(c) != std::string_view::npos;
}
bool isLowerLetter(char c) {
    return c >= 'a' && c <= 'z';
}
bool startsNumber(char c) {
    return c == '.' || (c >= '0' && c <= '9');
}
bool isExponentLetter(char c) {
    return c == 'e' || c == 'd';
}

// Lower case, "**" written as "^", every blank removed.
std::string prepareFormula(std::string_view formula) {
    const std::string lower = text::toLowerAscii(formula.substr(0, FormulaWidth));
    std::string prepared;
    prepared.reserve(lower.size());
    for (std::size_t i = 0; i < lower.size(); ++i) {
        if (lower[i] == '*' && i + 1 < lower.size() && lower[i + 1] == '*') {
            prepared += '^';
            ++i;
        } else if (!text::isBlank(lower[i])) {
            prepared += lower[i];
        }
    }
    return prepared;
}

// Cuts the blank-free formula into tokens:
//  - identifier: a letter, then everything up to the next operator (sin2x);
//  - number: a digit or ".", then everything up to the next operator, except
//    that the character after an "e" or "d" always belongs to the number
//    (1.5e-3 is one token, and so is 2x, which then fails to read);
//  - any other character alone.
// A token keeps at most 255 characters.
std::vector<std::string> tokenize(const std::string& formula) {
    std::vector<std::string> tokens;
    std::size_t i = 0;
    while (i < formula.size()) {
        const char first = formula[i];
        std::size_t end = i + 1;
        if (isLowerLetter(first)) {
            while (end < formula.size() && !isOperator(formula[end])) ++end;
        } else if (startsNumber(first)) {
            while (end < formula.size() &&
                   (!isOperator(formula[end]) || isExponentLetter(formula[end - 1]))) {
                ++end;
            }
        }
        tokens.push_back(formula.substr(i, std::min(end - i, TokenWidth)));
        i = end;
    }
    return tokens;
}

// Recursive descent over the token list, emitting postfix codes. The
// look-ahead is the current token; at the last token it is not advanced, so a
// trailing operator is seen again where an operand is expected and fails
// there. Any failure stops the parse.
class Parser {
public:
    Parser(const std::vector<std::string>& tokens, const std::vector<std::string>& variables,
           std::vector<std::int32_t>& codes, std::vector<double>& constants)
        : tokens_(tokens), variables_(variables), codes_(codes), constants_(constants) {}

    // The whole token list must form one expression: tokens left after a
    // complete expression (2^3^2, 2(x), (x)(x)) are a failure too.
    bool parse() {
        addSub();
        return !failed_ && lastConsumed_;
    }

private:
    std::string_view lookAhead() const {
        return tokens_.empty() ? std::string_view{} : std::string_view(tokens_[position_]);
    }
    bool lookAheadIs(std::string_view token) const { return lookAhead() == token; }

    void advance() {
        if (position_ + 1 < tokens_.size()) {
            ++position_;
        } else {
            lastConsumed_ = true;
        }
    }

    void emit(std::int32_t code) { codes_.push_back(code); }

    // ADD_SUB = MUL_DIV { ("+" | "-") MUL_DIV }
    void addSub() {
        mulDiv();
        while (!failed_ && (lookAheadIs("+") || lookAheadIs("-"))) {
            const std::int32_t pending = lookAheadIs("+") ? code::Add : code::Subtract;
            advance();
            mulDiv();
            if (failed_) return;
            emit(pending);
        }
    }

    // MUL_DIV = UNARY { ("*" | "/") UNARY }
    void mulDiv() {
        unary();
        while (!failed_ && (lookAheadIs("*") || lookAheadIs("/"))) {
            const std::int32_t pending = lookAheadIs("*") ? code::Multiply : code::Divide;
            advance();
            unary();
            if (failed_) return;
            emit(pending);
        }
    }

    // UNARY = "-" POW | "+" POW | POW
    void unary() {
        if (lookAheadIs("-")) {
            advance();
            power();
            if (!failed_) emit(code::Negate);
        } else if (lookAheadIs("+")) {
            advance();
            power();
        } else {
            power();
        }
    }

    // POW = FUNCTIONS [ "^" FUNCTIONS ]
    void power() {
        functions();
        if (failed_ || !lookAheadIs("^")) return;
        advance();
        functions();
        if (!failed_) emit(code::Power);
    }

    // FUNCTIONS = function-name BRACKETS | BRACKETS
    void functions() {
        if (const std::optional<std::int32_t> function = code::ofFunction(lookAhead())) {
            advance();
            brackets();
            if (!failed_) emit(*function);
            return;
        }
        brackets();
    }

    // BRACKETS = "(" ADD_SUB ")" | RECOG_VARS      with ")(" refused
    void brackets() {
        if (!lookAheadIs("(")) {
            recogVars();
            return;
        }
        advance();
        addSub();
        if (failed_) return;
        if (!lookAheadIs(")")) {
            failed_ = true;
            return;
        }
        advance();
        if (!lastConsumed_ && lookAheadIs("(")) failed_ = true;
    }

    // RECOG_VARS = variable-name | number
    void recogVars() {
        const std::string_view token = text::trimRight(lookAhead());
        if (token.empty() || (token.size() == 1 && isOperator(token[0]))) {
            failed_ = true;
            return;
        }
        for (std::size_t k = 0; k < variables_.size(); ++k) {
            if (token == variables_[k]) {
                emit(code::FirstVariable + static_cast<std::int32_t>(k));
                advance();
                return;
            }
        }
        const std::optional<double> value = text::readReal(token);
        if (!value) {
            failed_ = true;
            return;
        }
        constants_.push_back(*value);
        emit(code::PushConstant);
        advance();
    }

    const std::vector<std::string>& tokens_;
    const std::vector<std::string>& variables_;
    std::vector<std::int32_t>& codes_;
    std::vector<double>& constants_;
    std::size_t position_ = 0;
    bool lastConsumed_ = false;
    bool failed_ = false;
};

// The deepest stack use of a code list, or nothing when some code would find
// too few operands or the list would not leave exactly one value.
std::optional<std::size_t> stackDepth(std::span<const std::int32_t> codes) {
    std::size_t height = 0;
    std::size_t deepest = 0;
    for (const std::int32_t instruction : codes) {
        std::size_t operands = 0;
        std::size_t results = 1;
        if (instruction == code::PushConstant || instruction >= code::FirstVariable) {
            results = 1;
        } else if (instruction >= code::Add && instruction <= code::Power) {
            operands = 2;
        } else {
            operands = 1;  // sign change and functions
        }
        if (height < operands) return std::nullopt;
        height = height - operands + results;
        deepest = std::max(deepest, height);
    }
    if (height != 1) return std::nullopt;
    return deepest;
}

}  // namespace

Interpreter::Interpreter(MathErrorHook hook) : hook_(std::move(hook)) {}

std::string Interpreter::INIT(std::string_view formula, const std::vector<std::string>& variables) {
    DESTROYFUNC();

    const std::string prepared = prepareFormula(formula);
    for (const std::string& name : variables) {
        variables_.emplace_back(
            text::trimRight(std::string_view(name).substr(0, VariableNameWidth)));
    }

    const std::vector<std::string> tokens = tokenize(prepared);
    std::size_t opening = 0;
    std::size_t closing = 0;
    for (const std::string& token : tokens) {
        if (token == "(") ++opening;
        if (token == ")") ++closing;
    }
    if (opening != closing) {
        status_ = StatusError;
        return status_;
    }

    // Every code comes from a token and every push from an operand token, so
    // m entries hold the codes, the constants and the stack of any formula.
    const std::size_t m = tokens.size();
    codes_.reserve(m);
    constants_.reserve(m);
    stack_.assign(m, 0.0);

    Parser parser(tokens, variables_, codes_, constants_);
    compiled_ = parser.parse();
    if (compiled_) {
        // EVALUATE runs without bounds tests; the code list is checked once
        // here to leave exactly one value, and the stack to hold its deepest use.
        const std::optional<std::size_t> depth = stackDepth(codes_);
        compiled_ = depth.has_value();
        if (compiled_ && *depth > stack_.size()) stack_.assign(*depth, 0.0);
    }
    if (!compiled_) status_ = StatusError;
    return status_;
}

double Interpreter::EVALUATE(std::span<const double> values) {
    if (!compiled_ || values.size() < variables_.size()) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    double* const stack = stack_.data();
    std::size_t height = 0;  // number of entries on the stack
    std::size_t nextConstant = 0;
    for (const std::int32_t instruction : codes_) {
        switch (instruction) {
            case code::PushConstant:
                stack[height++] = constants_[nextConstant++];
                break;
            case code::Negate:
                stack[height - 1] = -stack[height - 1];
                break;
            case code::Add:
                --height;
                stack[height - 1] = stack[height - 1] + stack[height];
                break;
            case code::Subtract:
                --height;
                stack[height - 1] = stack[height - 1] - stack[height];
                break;
            case code::Multiply:
                --height;
                stack[height - 1] = stack[height - 1] * stack[height];
                break;
            case code::Divide:
                --height;
                stack[height - 1] = stack[height - 1] / stack[height];
                break;
            case code::Power:
                --height;
                stack[height - 1] = power(stack[height - 1], stack[height], hook_);
                break;
            default:
                if (instruction >= code::FirstVariable) {
                    stack[height++] =
                        values[static_cast<std::size_t>(instruction - code::FirstVariable)];
                } else {
                    const auto row = static_cast<std::size_t>(instruction - code::FirstFunction);
                    stack[height - 1] = applyFunction(row, stack[height - 1], hook_);
                }
                break;
        }
    }
    return stack[0];
}

void Interpreter::DESTROYFUNC() {
    std::vector<std::string>().swap(variables_);
    std::vector<std::int32_t>().swap(codes_);
    std::vector<double>().swap(constants_);
    std::vector<double>().swap(stack_);
    compiled_ = false;
    status_ = StatusOk;
}

}  // namespace calorvia::interpreter
