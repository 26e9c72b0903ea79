#pragma once
// The name a transformation's output is saved under: the source's stem,
// the suffix of the options applied, and "(n)" before the extension until
// the name is free. Names are UTF-8 bytes; folders end in "/".

#include <string>

namespace tarnix {

// The file-name part of `name` up to its extension; a name without an
// extension is its own stem.
std::string outputStem(const std::string& name);
// The extension of `name`'s file-name part, dot included; empty when it has
// none (a leading dot starts a name, not an extension).
std::string sourceExtension(const std::string& name);

// A file name that does not exist yet: Dir + Prefix + stem of Name + Suffix
// + Ext, with "(1)", "(2)", ... before Ext while that name is taken. An
// absolute Dir is the folder; a relative one lies in Name's folder. The
// folder is made when missing. Throws InputOutputError when it cannot be.
std::string IncrementFileName(const std::string& Dir, const std::string& Prefix, const std::string& Suffix,
                              const std::string& Name, const std::string& Ext);

}  // namespace tarnix
