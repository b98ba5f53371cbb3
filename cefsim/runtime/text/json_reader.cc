#include "text/json_reader.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <utility>

#include "text/utf_convert.h"

namespace cefsim::text {

namespace {

// Chromium counts a list or dictionary too deep once it is the 200th level.
constexpr int kMaxDepth = 200;
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

enum class Error {
  kSyntax,
  kInvalidEscape,
  kUnexpectedToken,
  kTrailingComma,
  kTooMuchNesting,
  kUnexpectedDataAfterRoot,
  kUnsupportedEncoding,
  kUnquotedDictionaryKey,
  kInputTooLarge,
  kUnrepresentableNumber,
};

const char* ErrorText(Error error) {
  switch (error) {
    case Error::kSyntax:
      return "Syntax error.";
    case Error::kInvalidEscape:
      return "Invalid escape sequence.";
    case Error::kUnexpectedToken:
      return "Unexpected token.";
    case Error::kTrailingComma:
      return "Trailing comma not allowed.";
    case Error::kTooMuchNesting:
      return "Too much nesting.";
    case Error::kUnexpectedDataAfterRoot:
      return "Unexpected data after root element.";
    case Error::kUnsupportedEncoding:
      return "Unsupported encoding. JSON must be UTF-8.";
    case Error::kUnquotedDictionaryKey:
      return "Dictionary keys must be quoted.";
    case Error::kInputTooLarge:
      return "Input string is too large (>2GB).";
    case Error::kUnrepresentableNumber:
      return "Number cannot be represented.";
  }
  return "";
}

enum class Token {
  kObjectBegin,
  kObjectEnd,
  kArrayBegin,
  kArrayEnd,
  kString,
  kNumber,
  kLiteral,
  kListSeparator,
  kPairSeparator,
  kEnd,
  kInvalid,
};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Exactly the hex digits of |hex|, nothing else.
bool ReadHexUnit(std::string_view hex, uint32_t* unit) {
  const char* end = hex.data() + hex.size();
  const auto parsed = std::from_chars(hex.data(), end, *unit, 16);
  return parsed.ec == std::errc() && parsed.ptr == end;
}

// All digits with an optional minus, within 32 bits.
bool ToInt(std::string_view text, int* out) {
  const bool negative = !text.empty() && text[0] == '-';
  if (negative)
    text.remove_prefix(1);
  if (text.empty())
    return false;
  int64_t magnitude = 0;
  for (char c : text) {
    if (!IsDigit(c))
      return false;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > int64_t{std::numeric_limits<int>::max()} + 1)
      return false;
  }
  const int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<int>::max())
    return false;
  *out = static_cast<int>(value);
  return true;
}

// Positions follow Chromium's parser so that its error columns come out the
// same: |pos_| is the next byte to read, and an error's column counts from
// the last line break before it.
class Reader {
 public:
  Reader(std::string_view json, int options) : in_(json), options_(options) {}

  bool Parse(JsonValue* value) {
    if (in_.size() > static_cast<size_t>(std::numeric_limits<int>::max()))
      return Fail(Error::kInputTooLarge, -1);
    if (in_.substr(0, 3) == kByteOrderMark)
      pos_ = 3;
    if (!ParseValue(NextToken(), value))
      return false;
    if (NextToken() != Token::kEnd)
      return Fail(Error::kUnexpectedDataAfterRoot, 0);
    return true;
  }

  std::string ErrorMessage() const {
    return "Line: " + std::to_string(error_line_) +
           ", column: " + std::to_string(error_column_) + ", " +
           ErrorText(error_);
  }

 private:
  bool Fail(Error error, int column_adjust) {
    error_ = error;
    error_line_ = line_;
    error_column_ = static_cast<int>(static_cast<int64_t>(pos_) -
                                     last_line_break_ + column_adjust);
    if (error_column_ < 1)
      error_column_ = 1;
    return false;
  }

  bool AtEnd() const { return pos_ >= in_.size(); }
  char Peek() const { return AtEnd() ? '\0' : in_[pos_]; }

  // Skips whitespace and tells what starts at |pos_|. Comments are not
  // JSON: a slash is an invalid token.
  Token NextToken() {
    while (!AtEnd()) {
      const char c = in_[pos_];
      if (c == '\r' || c == '\n') {
        last_line_break_ = static_cast<int64_t>(pos_);
        if (!(c == '\n' && pos_ > 0 && in_[pos_ - 1] == '\r'))
          ++line_;
      } else if (c != ' ' && c != '\t') {
        break;
      }
      ++pos_;
    }
    if (AtEnd())
      return Token::kEnd;
    switch (in_[pos_]) {
      case '{':
        return Token::kObjectBegin;
      case '}':
        return Token::kObjectEnd;
      case '[':
        return Token::kArrayBegin;
      case ']':
        return Token::kArrayEnd;
      case '"':
        return Token::kString;
      case ',':
        return Token::kListSeparator;
      case ':':
        return Token::kPairSeparator;
      case 't':
      case 'f':
      case 'n':
        return Token::kLiteral;
      default:
        return IsDigit(in_[pos_]) || in_[pos_] == '-' ? Token::kNumber
                                                      : Token::kInvalid;
    }
  }

  bool ParseValue(Token token, JsonValue* value) {
    switch (token) {
      case Token::kObjectBegin:
        return ParseDictionary(value);
      case Token::kArrayBegin:
        return ParseList(value);
      case Token::kString: {
        std::string text;
        if (!ReadString(&text))
          return false;
        *value = JsonValue(std::move(text));
        return true;
      }
      case Token::kNumber:
        return ParseNumber(value);
      case Token::kLiteral:
        return ParseLiteral(value);
      default:
        return Fail(Error::kUnexpectedToken, 0);
    }
  }

  // After an element: a separator (and, unless allowed, no closing bracket
  // right after it) or the closing bracket. Leaves |*token| at what follows.
  bool NextElement(Token close, Token* token) {
    *token = NextToken();
    if (*token == Token::kListSeparator) {
      ++pos_;
      *token = NextToken();
      if (*token == close && !(options_ & kJsonAllowTrailingCommas))
        return Fail(Error::kTrailingComma, 0);
      return true;
    }
    if (*token != close)
      return Fail(Error::kSyntax, 0);
    return true;
  }

  bool ParseDictionary(JsonValue* value) {
    ++pos_;
    if (++depth_ >= kMaxDepth)
      return Fail(Error::kTooMuchNesting, -1);
    JsonValue::Dict entries;
    Token token = NextToken();
    while (token != Token::kObjectEnd) {
      if (token != Token::kString)
        return Fail(Error::kUnquotedDictionaryKey, 0);
      std::string key;
      if (!ReadString(&key))
        return false;
      if (NextToken() != Token::kPairSeparator)
        return Fail(Error::kSyntax, 0);
      ++pos_;
      JsonValue entry;
      if (!ParseValue(NextToken(), &entry))
        return false;
      // The last of repeated keys wins.
      entries.insert_or_assign(std::move(key), std::move(entry));
      if (!NextElement(Token::kObjectEnd, &token))
        return false;
    }
    ++pos_;
    --depth_;
    *value = JsonValue(std::move(entries));
    return true;
  }

  bool ParseList(JsonValue* value) {
    ++pos_;
    if (++depth_ >= kMaxDepth)
      return Fail(Error::kTooMuchNesting, -1);
    JsonValue::List items;
    Token token = NextToken();
    while (token != Token::kArrayEnd) {
      JsonValue item;
      if (!ParseValue(token, &item))
        return false;
      items.push_back(std::move(item));
      if (!NextElement(Token::kArrayEnd, &token))
        return false;
    }
    ++pos_;
    --depth_;
    *value = JsonValue(std::move(items));
    return true;
  }

  // |pos_| is at the opening quote.
  bool ReadString(std::string* text) {
    ++pos_;
    while (!AtEnd()) {
      const size_t start = pos_;
      size_t next = pos_;
      uint32_t c;
      if (!ReadUtf8(in_, &next, &c)) {
        // Chromium stands on the last byte of the ill-formed sequence.
        pos_ = next - 1;
        return Fail(Error::kUnsupportedEncoding, 0);
      }
      if (c == '"') {
        pos_ = next;
        return true;
      }
      if (c != '\\') {
        if (c <= 0x1F)
          return Fail(Error::kUnsupportedEncoding, -1);
        AppendUtf8(c, text);
        pos_ = next;
        continue;
      }
      if (in_.size() - start < 2)
        return Fail(Error::kInvalidEscape, -1);
      pos_ = start + 2;
      switch (in_[start + 1]) {
        case 'u': {
          uint32_t code_point;
          if (!ReadUtf16Escape(&code_point))
            return Fail(Error::kInvalidEscape, -1);
          AppendUtf8(code_point, text);
          break;
        }
        case '"':
        case '\\':
        case '/':
          text->push_back(in_[start + 1]);
          break;
        case 'b':
          text->push_back('\b');
          break;
        case 'f':
          text->push_back('\f');
          break;
        case 'n':
          text->push_back('\n');
          break;
        case 'r':
          text->push_back('\r');
          break;
        case 't':
          text->push_back('\t');
          break;
        default:
          // \v and \x are Chromium extensions that CEF never enables.
          return Fail(Error::kInvalidEscape, -1);
      }
    }
    return Fail(Error::kSyntax, -1);
  }

  // Four hex digits that take |pos_| past them, or false (not moving when
  // fewer than four are left).
  bool ReadHexDigits(uint32_t* unit) {
    if (in_.size() - pos_ < 4)
      return false;
    const std::string_view hex = in_.substr(pos_, 4);
    pos_ += 4;
    return ReadHexUnit(hex, unit);
  }

  // |pos_| is past "\u". A surrogate pair must come as two escapes.
  bool ReadUtf16Escape(uint32_t* code_point) {
    uint32_t lead;
    if (!ReadHexDigits(&lead))
      return false;
    if (lead < 0xD800 || lead > 0xDFFF) {
      *code_point = lead;
      return true;
    }
    if (lead > 0xDBFF || in_.substr(pos_, 2) != "\\u")
      return false;
    pos_ += 2;
    uint32_t trail;
    if (!ReadHexDigits(&trail) || trail < 0xDC00 || trail > 0xDFFF)
      return false;
    *code_point = 0x10000 + ((lead - 0xD800) << 10) + (trail - 0xDC00);
    return true;
  }

  // Digits; a leading zero only where allowed, and then any number of them.
  bool ReadDigits(bool allow_leading_zeros) {
    const size_t start = pos_;
    while (!AtEnd() && IsDigit(in_[pos_]))
      ++pos_;
    const size_t length = pos_ - start;
    if (length == 0)
      return false;
    return allow_leading_zeros || length == 1 || in_[start] != '0';
  }

  bool ParseNumber(JsonValue* value) {
    const size_t start = pos_;
    if (Peek() == '-')
      ++pos_;
    if (!ReadDigits(false))
      return Fail(Error::kSyntax, 0);
    bool integral = true;
    if (Peek() == '.') {
      ++pos_;
      integral = false;
      if (!ReadDigits(true))
        return Fail(Error::kSyntax, 0);
    }
    if (Peek() == 'e' || Peek() == 'E') {
      ++pos_;
      integral = false;
      if (Peek() == '-' || Peek() == '+')
        ++pos_;
      if (!ReadDigits(true))
        return Fail(Error::kSyntax, 0);
    }
    const size_t end = pos_;
    // A number must be followed by something that may follow a value. The
    // look ahead counts the line breaks it passes, as Chromium's does.
    const Token after = NextToken();
    if (after != Token::kObjectEnd && after != Token::kArrayEnd &&
        after != Token::kListSeparator && after != Token::kEnd) {
      return Fail(Error::kSyntax, 0);
    }
    pos_ = end;
    const std::string_view text = in_.substr(start, end - start);
    int int_value;
    if (integral && ToInt(text, &int_value)) {
      *value = JsonValue(int_value);
      return true;
    }
    double double_value = 0;
    const auto parsed =
        std::from_chars(text.data(), text.data() + text.size(), double_value);
    if (parsed.ec == std::errc::result_out_of_range) {
      // Too large (infinite, refused below) or too small (zero or a
      // denormal, accepted).
      double_value = std::strtod(std::string(text).c_str(), nullptr);
    }
    if (!std::isfinite(double_value))
      return Fail(Error::kUnrepresentableNumber, 0);
    *value = JsonValue(double_value);
    return true;
  }

  bool ParseLiteral(JsonValue* value) {
    const std::string_view rest = in_.substr(pos_);
    if (rest.substr(0, 4) == "true") {
      pos_ += 4;
      *value = JsonValue(true);
    } else if (rest.substr(0, 5) == "false") {
      pos_ += 5;
      *value = JsonValue(false);
    } else if (rest.substr(0, 4) == "null") {
      pos_ += 4;
      *value = JsonValue();
    } else {
      return Fail(Error::kSyntax, 0);
    }
    return true;
  }

  const std::string_view in_;
  const int options_;
  size_t pos_ = 0;
  int depth_ = 0;
  int line_ = 1;
  int64_t last_line_break_ = -1;
  Error error_ = Error::kSyntax;
  int error_line_ = 0;
  int error_column_ = 0;
};

}  // namespace

bool ParseJson(std::string_view json,
               int options,
               JsonValue* value,
               std::string* error) {
  Reader reader(json, options);
  JsonValue result;
  if (!reader.Parse(&result)) {
    if (error)
      *error = reader.ErrorMessage();
    return false;
  }
  *value = std::move(result);
  return true;
}

}  // namespace cefsim::text
