#pragma once

#include <string>

// Splits effect text into words, numbers and punctuation, skipping white space and
// comments, and hands out the raw text of code blocks with their braces balanced.
namespace nimbus::fx {

struct Token {
    enum Kind { Word, Number, Punct, End, Bad };
    Kind kind = End;
    std::string text;
    int line = 1;
    // Offsets of the token in the text, end one past its last character.
    size_t begin = 0;
    size_t end = 0;

    bool is(const char* punct) const { return kind == Punct && text == punct; }
};

class Lexer {
public:
    explicit Lexer(const std::string& text, int firstLine = 1) : text_(text), line_(firstLine) {}

    // The next token; Bad for an unterminated comment or a stray character (its text
    // says which), End at the end.
    Token next();
    // After an opening brace: the text up to the matching closing brace, which is
    // consumed. Braces in comments do not count. False at the end of the text.
    bool block(std::string& body);
    int line() const { return line_; }

private:
    // Skips white space and comments; false at an unterminated comment.
    bool skipSpace();
    // Skips a comment starting at the cursor, if any; false when it is unterminated.
    bool skipComment(bool& skipped);

    const std::string& text_;
    size_t pos_ = 0;
    int line_;
};

}  // namespace nimbus::fx
