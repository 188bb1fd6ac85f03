#include "tools/rc2cpp/RcScript.h"

#include "tools/rc2cpp/RcLexer.h"

#include <cctype>

namespace rc2cpp {
namespace {

// Strict UTF-8 to UTF-16: a malformed sequence is a script error, because
// it would otherwise come out as garbled text in the version record.
std::u16string ToUtf16(const std::string& text, int line) {
    std::u16string out;
    for (size_t i = 0; i < text.size();) {
        const unsigned char lead = text[i];
        const int extra = lead < 0x80 ? 0 : (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : -1;
        if (extra < 0 || i + extra >= text.size()) throw ScriptError(line, "invalid UTF-8 in string");
        uint32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            const unsigned char next = text[i + k];
            if ((next & 0xC0) != 0x80) throw ScriptError(line, "invalid UTF-8 in string");
            code = (code << 6) | (next & 0x3F);
        }
        static const uint32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            throw ScriptError(line, "invalid UTF-8 in string");
        if (code >= 0x10000) {
            code -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (code >> 10));
            out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            out += static_cast<char16_t>(code);
        }
        i += extra + 1;
    }
    return out;
}

class Parser {
public:
    explicit Parser(std::vector<Token> tokens) : tokens(std::move(tokens)) {}

    Script Run() {
        Script script;
        while (Peek().kind != Token::End) Statement(script);
        return script;
    }

private:
    const Token& Peek() const { return tokens[pos]; }
    const Token& Next() {
        const Token& t = tokens[pos];
        if (t.kind != Token::End) ++pos;
        return t;
    }
    [[noreturn]] void Fail(const Token& at, const std::string& message) const {
        throw ScriptError(at.line, message + (at.kind == Token::End ? " at end of script" : " near '" + at.text + "'"));
    }
    bool IsWord(const Token& t, const char* word) const { return t.kind == Token::Word && t.text == word; }
    void Expect(const char* word) {
        if (!IsWord(Peek(), word)) Fail(Peek(), std::string("expected ") + word);
        Next();
    }
    uint32_t Number() {
        if (Peek().kind != Token::Number) Fail(Peek(), "expected a number");
        return Next().value;
    }
    uint16_t Word16() {
        const Token& t = Peek();
        const uint32_t value = Number();
        if (value > 0xFFFF) Fail(t, "number does not fit in 16 bits");
        return static_cast<uint16_t>(value);
    }
    std::string String() {
        if (Peek().kind != Token::String) Fail(Peek(), "expected a string");
        return Next().text;
    }
    bool SkipComma() {
        if (Peek().kind != Token::Comma) return false;
        Next();
        return true;
    }

    ResourceId Id() {
        const Token& t = Next();
        ResourceId id;
        if (t.kind == Token::Number) {
            if (t.value > 0xFFFF) Fail(t, "identifier does not fit in 16 bits");
            id.number = static_cast<uint16_t>(t.value);
        } else if (t.kind == Token::Word) {
            id.isNumber = false;
            for (char c : t.text) id.text += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        } else {
            Fail(t, "expected a resource identifier");
        }
        return id;
    }

    void Statement(Script& script) {
        // Our resource table holds one language and FindResourceW ignores
        // languages, so LANGUAGE matters to windres only; it is checked.
        if (IsWord(Peek(), "LANGUAGE")) {
            Next();
            Word16();
            if (!SkipComma()) Fail(Peek(), "expected ',' in LANGUAGE");
            Word16();
            return;
        }
        const ResourceId name = Id();
        const Token& kind = Peek();
        // A numeric type is a standard one given by number (24, the manifest).
        if (kind.kind != Token::Word && kind.kind != Token::Number) Fail(kind, "expected a resource type");
        if (kind.text == "VERSIONINFO") {
            Next();
            script.versions.push_back(Version(name));
            return;
        }
        if (kind.text == "BEGIN" || kind.text == "END" || kind.text == "BLOCK" || kind.text == "VALUE")
            Fail(kind, "expected a resource type");
        FileResource file;
        file.name = name;
        file.line = kind.line;
        file.isIcon = kind.text == "ICON";
        file.type = Id();
        file.file = String();
        if (file.file.empty()) Fail(tokens[pos - 1], "empty file name");
        script.files.push_back(file);
    }

    void FourWords(uint16_t (&out)[4]) {
        out[0] = Word16();
        for (int i = 1; i < 4 && SkipComma(); ++i) out[i] = Word16();
    }

    VersionResource Version(const ResourceId& name) {
        VersionResource v;
        v.name = name;
        while (!IsWord(Peek(), "BEGIN")) {
            const Token& t = Next();
            if (IsWord(t, "FILEVERSION")) FourWords(v.fileVersion);
            else if (IsWord(t, "PRODUCTVERSION")) FourWords(v.productVersion);
            else if (IsWord(t, "FILEFLAGSMASK")) v.fileFlagsMask = Number();
            else if (IsWord(t, "FILEFLAGS")) v.fileFlags = Number();
            else if (IsWord(t, "FILEOS")) v.fileOs = Number();
            else if (IsWord(t, "FILETYPE")) v.fileType = Number();
            else if (IsWord(t, "FILESUBTYPE")) v.fileSubtype = Number();
            else Fail(t, "expected a VERSIONINFO statement or BEGIN");
        }
        v.blocks = Items(false, 1);
        return v;
    }

    // BEGIN { BLOCK "key" <items> | VALUE "key", values } END. Values are
    // text inside StringFileInfo and 16-bit words elsewhere, as the Windows
    // resource compilers store them. Nesting is bounded so that a runaway
    // script fails at its line instead of exhausting the stack.
    std::vector<VersionNode> Items(bool textValues, int depth) {
        if (depth > kMaxNesting) Fail(Peek(), "blocks nested too deeply");
        Expect("BEGIN");
        std::vector<VersionNode> items;
        while (!IsWord(Peek(), "END")) {
            const Token& t = Next();
            VersionNode node;
            if (IsWord(t, "BLOCK")) {
                const int line = Peek().line;
                const std::string key = String();
                node.key = ToUtf16(key, line);
                node.isBlock = true;
                node.children = Items(textValues || key == "StringFileInfo", depth + 1);
            } else if (IsWord(t, "VALUE")) {
                const int line = Peek().line;
                node.key = ToUtf16(String(), line);
                if (!SkipComma()) Fail(Peek(), "expected ',' after the value name");
                if (textValues) {
                    node.isText = true;
                    const int valueLine = Peek().line;
                    node.text = ToUtf16(String(), valueLine);
                } else {
                    do node.words.push_back(Word16());
                    while (SkipComma());
                }
            } else {
                Fail(t, "expected BLOCK, VALUE or END");
            }
            items.push_back(std::move(node));
        }
        Next();
        return items;
    }

    std::vector<Token> tokens;
    size_t pos = 0;
};

}  // namespace

Script ParseScript(const std::string& text) { return Parser(Tokenize(text)).Run(); }

}  // namespace rc2cpp
