#include "tools/rc2cpp/RcLexer.h"

#include "tools/rc2cpp/RcScript.h"

#include <cctype>

namespace rc2cpp {
namespace {

class Lexer {
public:
    explicit Lexer(const std::string& text) : text_(text) {}

    std::vector<Token> Run() {
        std::vector<Token> tokens;
        while (SkipBlanksAndComments()) {
            const char c = text_[pos_];
            if (c == '#' && AtLineStart()) {
                Directive();
            } else if (c == ',') {
                tokens.push_back({Token::Comma, ",", 0, line_});
                ++pos_;
            } else if (c == '"') {
                tokens.push_back(StringToken());
            } else if (std::isdigit(static_cast<unsigned char>(c))) {
                tokens.push_back(NumberToken());
            } else if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
                tokens.push_back(WordToken());
            } else if (c == '{' || c == '}') {
                tokens.push_back({Token::Word, c == '{' ? "BEGIN" : "END", 0, line_});
                ++pos_;
            } else {
                throw ScriptError(line_, std::string("unexpected character '") + c + "'");
            }
        }
        // A script that stops short is reported at its last statement.
        tokens.push_back({Token::End, "", 0, tokens.empty() ? line_ : tokens.back().line});
        return tokens;
    }

private:
    bool AtLineStart() const {
        for (size_t i = pos_; i > 0; --i) {
            const char c = text_[i - 1];
            if (c == '\n') return true;
            if (c != ' ' && c != '\t') return false;
        }
        return true;
    }

    // Only the code page directive is understood, and only for UTF-8: the
    // script's strings are decoded as UTF-8 regardless.
    void Directive() {
        const size_t end = text_.find('\n', pos_);
        std::string line = text_.substr(pos_, end == std::string::npos ? std::string::npos : end - pos_);
        while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) line.pop_back();
        if (line != "#pragma code_page(65001)")
            throw ScriptError(line_, "unsupported directive: " + line);
        pos_ = end == std::string::npos ? text_.size() : end;
    }

    bool SkipBlanksAndComments() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                ++pos_;
            } else if (text_.compare(pos_, 2, "//") == 0) {
                while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
            } else if (text_.compare(pos_, 2, "/*") == 0) {
                const int startLine = line_;
                const size_t end = text_.find("*/", pos_ + 2);
                if (end == std::string::npos) throw ScriptError(startLine, "unterminated comment");
                for (size_t i = pos_; i < end; ++i) line_ += text_[i] == '\n';
                pos_ = end + 2;
            } else {
                return true;
            }
        }
        return false;
    }

    Token StringToken() {
        Token token{Token::String, "", 0, line_};
        ++pos_;
        for (;;) {
            if (pos_ >= text_.size() || text_[pos_] == '\n') throw ScriptError(token.line, "unterminated string");
            const char c = text_[pos_++];
            if (c == '"') {
                if (pos_ < text_.size() && text_[pos_] == '"') {
                    token.text += '"';
                    ++pos_;
                    continue;
                }
                return token;
            }
            if (c != '\\') {
                token.text += c;
                continue;
            }
            const char e = pos_ < text_.size() ? text_[pos_++] : '\0';
            switch (e) {
            case 'n': token.text += '\n'; break;
            case 't': token.text += '\t'; break;
            case '\\': token.text += '\\'; break;
            case '"': token.text += '"'; break;
            default: throw ScriptError(line_, std::string("unsupported escape \\") + e);
            }
        }
    }

    Token NumberToken() {
        Token token{Token::Number, "", 0, line_};
        const size_t start = pos_;
        while (pos_ < text_.size() && std::isalnum(static_cast<unsigned char>(text_[pos_]))) ++pos_;
        std::string digits = text_.substr(start, pos_ - start);
        token.text = digits;
        if (!digits.empty() && (digits.back() == 'L' || digits.back() == 'l')) digits.pop_back();
        const bool hex = digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X');
        const std::string body = hex ? digits.substr(2) : digits;
        uint64_t value = 0;
        for (char d : body) {
            const int v = std::isdigit(static_cast<unsigned char>(d)) ? d - '0'
                          : hex && std::isxdigit(static_cast<unsigned char>(d)) ? std::tolower(d) - 'a' + 10
                                                                                  : -1;
            if (v < 0) throw ScriptError(line_, "bad number " + token.text);
            value = value * (hex ? 16 : 10) + v;
            if (value > 0xFFFFFFFFu) throw ScriptError(line_, "number too large: " + token.text);
        }
        if (body.empty()) throw ScriptError(line_, "bad number " + token.text);
        token.value = static_cast<uint32_t>(value);
        return token;
    }

    Token WordToken() {
        Token token{Token::Word, "", 0, line_};
        while (pos_ < text_.size() &&
               (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_'))
            token.text += text_[pos_++];
        return token;
    }

    const std::string& text_;
    size_t pos_ = 0;
    int line_ = 1;
};

}  // namespace

std::vector<Token> Tokenize(const std::string& text) { return Lexer(text).Run(); }

}  // namespace rc2cpp
