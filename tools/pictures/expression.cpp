#include "tools/pictures/expression.h"

#include <cctype>
#include <charconv>
#include <stdexcept>

namespace pictures {

namespace {

// Recursive descent over sum := product {(+|-) product},
// product := factor {(*|/) factor}, factor := -factor | number | name | (sum).
class Parser {
public:
    Parser(const std::string& text, const Names& names) : text_(text), names_(names) {}

    double parse()
    {
        const double value = sum();
        skipBlanks();
        if (pos_ != text_.size())
            fail();
        return value;
    }

private:
    double sum()
    {
        double value = product();
        for (;;) {
            if (take('+'))
                value += product();
            else if (take('-'))
                value -= product();
            else
                return value;
        }
    }

    double product()
    {
        double value = factor();
        for (;;) {
            if (take('*'))
                value *= factor();
            else if (take('/'))
                value /= factor();
            else
                return value;
        }
    }

    double factor()
    {
        if (take('-'))
            return -factor();
        if (take('(')) {
            const double value = sum();
            if (!take(')'))
                fail();
            return value;
        }
        skipBlanks();
        if (pos_ < text_.size() && (std::isdigit(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '.')) {
            // In C notation whatever the C runtime's numeric locale is.
            double value = 0;
            const char* const begin = text_.data() + pos_;
            const auto [end, error] = std::from_chars(begin, text_.data() + text_.size(), value);
            if (error != std::errc())
                fail();
            pos_ += static_cast<std::size_t>(end - begin);
            return value;
        }
        const std::size_t start = pos_;
        while (pos_ < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_'))
            ++pos_;
        const auto found = names_.find(text_.substr(start, pos_ - start));
        if (start == pos_ || found == names_.end())
            fail();
        return found->second;
    }

    bool take(char c)
    {
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    void skipBlanks()
    {
        while (pos_ < text_.size() && text_[pos_] == ' ')
            ++pos_;
    }

    [[noreturn]] void fail() const { throw std::runtime_error("bad expression \"" + text_ + "\""); }

    const std::string& text_;
    const Names& names_;
    std::size_t pos_ = 0;
};

} // namespace

double evaluate(const std::string& expression, const Names& names)
{
    return Parser(expression, names).parse();
}

} // namespace pictures
