#include "engine/line_evaluation.h"

#include <optional>
#include <vector>

#include "engine/calculator_engine.h"
#include "engine/operand_class.h"
#include "measure/outside_text.h"
#include "tape/tape_store.h"

namespace mezura {
namespace {

static_assert(kMaxLineSteps == 1000, "the message below names the limit");

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

constexpr std::string_view kUnicodeMinus = "\u2212";

struct Key {
  std::string_view written;
  Operation operation;
};
// The keyboard's signs, and the window's own for times and divide.
constexpr Key kOperators[] = {
    {"+", Operation::Add},        {"-", Operation::Subtract}, {kUnicodeMinus, Operation::Subtract},
    {"x", Operation::Multiply},   {"X", Operation::Multiply}, {"\u00d7", Operation::Multiply},
    {"*", Operation::Multiply},   {"/", Operation::Divide},   {"\u00f7", Operation::Divide},
};
constexpr std::string_view kRoots[] = {"sqrt", "\u221a"};

struct Token {
  enum class Kind { Value, Operator, Root } kind = Kind::Value;
  Operation operation = Operation::None;
  std::size_t offset = 0;  // in the line, bytes
  std::size_t end = 0;
  std::string text;        // a value as written (a "−" sign made "-")
  std::string read;        // ...and as the rule for outside text reads it
};

std::optional<Operation> OperatorOf(std::string_view word) {
  for (const Key& key : kOperators)
    if (word == key.written) return key.operation;
  return std::nullopt;
}

bool IsRoot(std::string_view word) {
  for (std::string_view root : kRoots)
    if (word == root) return true;
  return false;
}

// Words are cut at blanks; consecutive words that are neither operators nor
// roots make one value, with the blanks between them as written.
std::vector<Token> Tokens(std::string_view line) {
  struct Word {
    std::size_t offset, end;
  };
  std::vector<Word> words;
  for (std::size_t i = 0; i < line.size();) {
    if (IsBlank(line[i])) {
      ++i;
      continue;
    }
    const std::size_t start = i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    words.push_back({start, i});
  }

  std::vector<Token> tokens;
  for (std::size_t w = 0; w < words.size(); ++w) {
    const std::string_view word = line.substr(words[w].offset, words[w].end - words[w].offset);
    const bool valueDue = tokens.empty() || tokens.back().kind == Token::Kind::Operator;
    const std::optional<Operation> operation = OperatorOf(word);
    const bool root = IsRoot(word);
    const bool nextIsValueWord = w + 1 < words.size() && [&] {
      const std::string_view next = line.substr(words[w + 1].offset, words[w + 1].end - words[w + 1].offset);
      return !OperatorOf(next) && !IsRoot(next);
    }();
    const bool sign = valueDue && operation == Operation::Subtract && nextIsValueWord;
    if ((operation && !sign) || root) {
      tokens.push_back({root ? Token::Kind::Root : Token::Kind::Operator, operation.value_or(Operation::None),
                        words[w].offset, words[w].end, {}, {}});
    } else if (!sign && !tokens.empty() && tokens.back().kind == Token::Kind::Value) {
      tokens.back().end = words[w].end;
    } else {
      tokens.push_back({Token::Kind::Value, Operation::None, words[w].offset, words[w].end, {}, {}});
    }
  }
  return tokens;
}

// "5'+2'" is one word, and no value: say why.
bool GluedOperator(std::string_view part) {
  if (part.find_first_of("+*xX") != std::string_view::npos) return true;
  for (const Key& key : kOperators)
    if (key.written.size() > 1 && part.find(key.written) != std::string_view::npos) return true;
  return false;
}

std::string_view Words(LineProblem problem) {
  switch (problem) {
    case LineProblem::None: return {};
    case LineProblem::Empty: return "there is nothing to evaluate";
    case LineProblem::TooManySteps: return "the line has more than 1000 steps";
    case LineProblem::UnreadableValue: return "is not a measurement or a number";
    case LineProblem::OperatorForValue: return "stands where a value belongs";
    case LineProblem::DanglingOperator: return "has no value after it";
    case LineProblem::ValueForOperator: return "needs an operator before it";
    case LineProblem::DimensionClash: break;  // told with the two dimensions
    case LineProblem::BeyondVolume: return "would make a product beyond a volume";
    case LineProblem::RootOfNegative: return "takes the square root of a negative value";
    case LineProblem::RootOfVolume: return "takes the square root of a volume";
    case LineProblem::DivisionByZero: break;  // told with the engine's own message
    case LineProblem::OutOfRange: return "gives a result too large to work with";
  }
  return {};
}

std::string_view DimensionWords(Dimension dimension) {
  switch (dimension) {
    case Dimension::Square: return "an area";
    case Dimension::Cubic: return "a volume";
    case Dimension::Linear: break;
  }
  return "a length";
}

class LineWork {
 public:
  LineWork(std::string_view line, int accuracy) : m_line(line), m_engine(m_tapes) { m_engine.SetAccuracy(accuracy); }

  LineEvaluation Run() {
    std::vector<Token> tokens = Tokens(m_line);
    if (tokens.empty()) return Fail(LineProblem::Empty, 0, 0);
    std::size_t steps = 0;
    for (const Token& t : tokens) steps += t.kind != Token::Kind::Value;
    if (steps > kMaxLineSteps) return Fail(LineProblem::TooManySteps, 0, 0);
    if (std::optional<LineEvaluation> wrong = CheckForm(tokens)) return *wrong;

    const Token& first = tokens.front();
    m_engine.EnterValue(first.text, ValueRole::Entry, TextOrigin::Outside);
    m_engine.Equal_Click();
    if (!m_engine.State().Accumulator) return Fail(LineProblem::OutOfRange, first.offset, first.end);
    for (std::size_t i = 1; i < tokens.size(); ++i) {
      const Token& step = tokens[i];
      std::optional<LineEvaluation> refused;
      if (step.kind == Token::Kind::Root) {
        refused = Root(step);
      } else {
        refused = Operate(step, tokens[i + 1]);
        ++i;
      }
      if (refused) return *refused;
    }

    LineEvaluation done;
    // A lone value is still the entry as written; it is shown as a result of
    // its kind would be.
    done.result = tokens.size() == 1 ? AsResult(m_engine.State()) : m_engine.Readout();
    return done;
  }

 private:
  // The first thing out of place, left to right; values are read here, so
  // that nothing is worked out on a line that will be refused.
  std::optional<LineEvaluation> CheckForm(std::vector<Token>& tokens) const {
    using Kind = Token::Kind;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
      Token& t = tokens[i];
      const Kind before = i == 0 ? Kind::Operator : tokens[i - 1].kind;
      if (t.kind != Kind::Value) {
        if (before == Kind::Operator) {
          LineEvaluation wrong = Fail(LineProblem::OperatorForValue, t.offset, t.end);
          if (t.kind == Kind::Root) wrong.message += " (a root follows the value it is taken of)";
          return wrong;
        }
        if (t.kind == Kind::Operator && i + 1 == tokens.size())
          return Fail(LineProblem::DanglingOperator, t.offset, t.end);
        continue;
      }
      if (before == Kind::Root) return Fail(LineProblem::ValueForOperator, t.offset, t.end);
      t.text = m_line.substr(t.offset, t.end - t.offset);
      if (t.text.starts_with(kUnicodeMinus)) t.text.replace(0, kUnicodeMinus.size(), "-");
      std::optional<std::string> read = ReadOutsideText(t.text);
      if (!read) return Fail(LineProblem::UnreadableValue, t.offset, t.end);
      t.read = std::move(*read);
    }
    return std::nullopt;
  }

  // Cancel Entry first: the plus and minus keys refuse a display that shows
  // an area or a volume, and the user who adds to one clears the display
  // before pressing them. Whether the sum may be taken is then the
  // evaluation's dimension rule, as for every other step.
  std::optional<LineEvaluation> Operate(const Token& key, const Token& value) {
    const std::string first = m_engine.State().FirstOperandText;
    m_engine.CancelEntry_Click();
    EngineOutcome outcome;
    switch (key.operation) {
      case Operation::Add: outcome = m_engine.Plus_Click(); break;
      case Operation::Subtract: outcome = m_engine.Minus_Click(); break;
      case Operation::Multiply: outcome = m_engine.Multiply_Click(); break;
      default: outcome = m_engine.Divide_Click(); break;
    }
    // A key that did not take would leave "=" adding the value instead.
    if (outcome.beeps == 0 && m_engine.State().PendingOperation == key.operation) {
      m_engine.EnterValue(value.text, ValueRole::Entry, TextOrigin::Outside);
      outcome = m_engine.Equal_Click();
      if (outcome.message) {
        LineEvaluation refused = Fail(LineProblem::DivisionByZero, key.offset, value.end);
        refused.message = "`" + refused.part + "`: " + outcome.message->text;
        return refused;
      }
      if (outcome.beeps == 0) return std::nullopt;
    }

    const OperandClass a = ClassOfOperand(first), b = ClassOfOperand(value.read);
    const bool sum = key.operation == Operation::Add || key.operation == Operation::Subtract;
    if (sum && SumDimension(a) != SumDimension(b)) {
      LineEvaluation refused = Fail(LineProblem::DimensionClash, key.offset, value.end);
      const bool add = key.operation == Operation::Add;
      refused.message = "`" + refused.part + "`: " + std::string(DimensionWords(SumDimension(b))) +
                        (add ? " cannot be added to " : " cannot be subtracted from ") +
                        std::string(DimensionWords(SumDimension(a)));
      return refused;
    }
    if (key.operation == Operation::Multiply && ProductClass(a, b) == ResultClass::Rejected)
      return Fail(LineProblem::BeyondVolume, key.offset, value.end);
    return Fail(LineProblem::OutOfRange, key.offset, value.end);
  }

  std::optional<LineEvaluation> Root(const Token& key) {
    const double total = m_engine.State().Accumulator.value_or(0.0);
    const EngineOutcome outcome = m_engine.SquareRoot_Click();
    if (outcome.beeps > 0)
      return Fail(total < 0 ? LineProblem::RootOfNegative : LineProblem::OutOfRange, key.offset, key.end);
    // The key leaves a volume alone, without a sound.
    if (!outcome.captionsChanged) return Fail(LineProblem::RootOfVolume, key.offset, key.end);
    return std::nullopt;
  }

  std::string AsResult(const EngineState& state) const {
    ResultClass kind = ResultClass::Plain;
    switch (ClassOfOperand(state.FirstOperandText)) {
      case OperandClass::Plain: break;
      case OperandClass::Linear: kind = ResultClass::Linear; break;
      case OperandClass::Square: kind = ResultClass::Square; break;
      case OperandClass::Cubic: kind = ResultClass::Cubic; break;
    }
    return ResultClassText(state.Accumulator.value_or(0.0), kind, m_engine.Accuracy());
  }

  LineEvaluation Fail(LineProblem problem, std::size_t offset, std::size_t end) const {
    LineEvaluation failed;
    failed.problem = problem;
    failed.offset = offset;
    failed.part = std::string(m_line.substr(offset, end - offset));
    failed.message = failed.part.empty() ? std::string(Words(problem))
                                         : "`" + failed.part + "` " + std::string(Words(problem));
    if (problem == LineProblem::UnreadableValue && GluedOperator(failed.part))
      failed.message += " (an operator needs a blank on each side)";
    return failed;
  }

  std::string_view m_line;
  TapeStore m_tapes;
  CalculatorEngine m_engine;
};

}  // namespace

LineEvaluation EvaluateLine(std::string_view line, int accuracy) { return LineWork(line, accuracy).Run(); }

}  // namespace mezura
