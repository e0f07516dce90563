#pragma once
// Names of the output file of the job's current source: the name expanded from the filename mask,
// the target path under the output folder, and the temporary name the writer fills before the
// rename onto the target.
#include <ctime>
#include <string>
#include <string_view>

// The filename mask in lower case ("%filename%.%ext%" when empty) with every token expanded. Token
// values keep their own case; nothing is checked and no extension is added.
std::string OutputFileName();

// Output folder, then the relative subfolder when subfolders are kept, then the output file name.
std::string TargetPath();

// "vantorel", a letter per decimal digit of `seconds` ("a" for 0 to "j" for 9), five random letters,
// "." and `extension`.
std::string TemporaryName(std::time_t seconds, std::string_view extension);

// The temporary name for now and the job's output extension, in the folder of `target`, so that the
// finished file is renamed within one file system.
std::string TemporaryPath(const std::string& target);
