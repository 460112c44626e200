#pragma once

#include <cstdint>
#include <ostream>
#include <string>

class TiXmlElement;

// A status answer of the program: the status of a run or a query with a message
// and the class name of the error it reports, printed as text or, with XML output
// (OutputSettings), as one line holding the XML status document
//   <?xml version="1.0" encoding="UTF-8" standalone="yes" ?><kitwright status="..." .../>
// whose status word is the status prefix followed by "ok", "error" or "busy".
// With XML output a failed run still exits with 0: the document is the one
// success signal a consumer may trust.
//
// The query reporters derive from it and replace put with their own answer; they
// borrow the data they print, which must outlive them.
class Reporter {
public:
    enum Status {
        statusOk = 0,
        statusError = 1,
        statusBusy = 2,
    };

    explicit Reporter(std::int32_t status);
    // A null message counts as empty.
    Reporter(std::int32_t status, const char* message);
    // A null class counts as empty.
    Reporter(std::int32_t status, const std::string& message, const char* errorClass = nullptr);
    virtual ~Reporter();

    // Text form: "\n", "\nERROR: " or "\nBUSY: " by status, the message and a line
    // end. XML form: for an error first "ERROR: " and the message on standard
    // error, then the status document. Returns the stream; a failed stream simply
    // swallows the output.
    virtual std::ostream& put(std::ostream& out) const;

    // The status document on one line: the root's attributes "status", then
    // "error_message" when there is a message and "error_class" when there is a
    // class too; `content` (copied) as the root's only child.
    std::ostream& printXml(std::ostream& out, const TiXmlElement* content = nullptr) const;

    // The status prefix and "ok", "error" or "busy"; the prefix alone for any
    // other status.
    std::string statusWord() const;

    std::int32_t status;
    std::string message;
    std::string errorClass;
};

// Prints the reporter through its own put.
std::ostream& operator<<(std::ostream& out, const Reporter& reporter);
