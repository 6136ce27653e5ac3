#include "render/fx/Lexer.h"

#include <cctype>

namespace nimbus::fx {

namespace {
bool isWordStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool isWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
}  // namespace

bool Lexer::skipComment(bool& skipped) {
    skipped = false;
    if (pos_ + 1 >= text_.size() || text_[pos_] != '/') return true;
    if (text_[pos_ + 1] == '/') {
        while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
        skipped = true;
        return true;
    }
    if (text_[pos_ + 1] != '*') return true;
    const size_t close = text_.find("*/", pos_ + 2);
    skipped = true;
    // An unterminated comment is reported at the line where it opens.
    if (close == std::string::npos) {
        pos_ = text_.size();
        return false;
    }
    for (size_t i = pos_; i < close; ++i) line_ += text_[i] == '\n';
    pos_ = close + 2;
    return true;
}

bool Lexer::skipSpace() {
    for (;;) {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) {
            line_ += text_[pos_] == '\n';
            ++pos_;
        }
        bool skipped = false;
        if (!skipComment(skipped)) return false;
        if (!skipped) return true;
    }
}

Token Lexer::next() {
    Token t;
    if (!skipSpace()) {
        t.kind = Token::Bad;
        t.text = "unterminated comment";
        t.line = line_;
        return t;
    }
    t.line = line_;
    t.begin = pos_;
    if (pos_ >= text_.size()) {
        t.end = pos_;
        return t;
    }
    const char c = text_[pos_];
    if (isWordStart(c)) {
        t.kind = Token::Word;
        while (pos_ < text_.size() && isWordChar(text_[pos_])) ++pos_;
    } else if (isDigit(c) ||
               ((c == '-' || c == '.') && pos_ + 1 < text_.size() && isDigit(text_[pos_ + 1]))) {
        t.kind = Token::Number;
        ++pos_;
        while (pos_ < text_.size() &&
               (isDigit(text_[pos_]) || text_[pos_] == '.' || text_[pos_] == 'e' || text_[pos_] == 'f' ||
                ((text_[pos_] == '-' || text_[pos_] == '+') && text_[pos_ - 1] == 'e'))) {
            ++pos_;
        }
    } else if (std::string("{}()[];:=,").find(c) != std::string::npos) {
        t.kind = Token::Punct;
        ++pos_;
    } else {
        t.kind = Token::Bad;
        t.text = std::string("unexpected character '") + c + "'";
        ++pos_;
        t.end = pos_;
        return t;
    }
    t.end = pos_;
    t.text = text_.substr(t.begin, t.end - t.begin);
    return t;
}

bool Lexer::block(std::string& body) {
    const size_t start = pos_;
    int depth = 1;
    while (pos_ < text_.size()) {
        bool skipped = false;
        if (!skipComment(skipped)) return false;
        if (skipped) continue;
        const char c = text_[pos_++];
        if (c == '\n') ++line_;
        if (c == '{') ++depth;
        if (c == '}' && --depth == 0) {
            body = text_.substr(start, pos_ - 1 - start);
            return true;
        }
    }
    return false;
}

}  // namespace nimbus::fx
