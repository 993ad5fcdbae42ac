#pragma once
// Reads the program's line-oriented data files from memory, as the text-file
// reads of the original tool did: a line ends at CR LF, or at a lone CR or LF;
// a read past the end gives an empty line or the number 0, never an error.
#include <cstddef>
#include <cstdint>
#include <string>

namespace folvaric {

class LineReader {
public:
    explicit LineReader(const std::string& bytes) : bytes_(bytes) {}

    bool atEnd() const { return pos_ >= bytes_.size(); }

    // The rest of the current line, without its line break.
    std::string readLine();

    // Skips blanks, tabs and line breaks, takes the run of characters up to the
    // next one of them, then skips the rest of that line. False when the run is
    // not a 32-bit integer in signed decimal; nothing left to read gives 0.
    bool readNumber(std::int32_t& value);

private:
    void skipLineBreak();
    void skipRestOfLine();

    const std::string& bytes_;
    std::size_t pos_ = 0;
};

// An optional sign and decimal digits, within the range of a 32-bit integer.
bool parseInt32(const std::string& token, std::int32_t& value);

}  // namespace folvaric
