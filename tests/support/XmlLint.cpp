#include "XmlLint.h"

#include <cstdio>

#include <sys/wait.h>

int XmlLint::Check(const std::string& file, const std::string& schema, std::string& report,
                   bool huge) {
    std::string command = "xmllint --noout --nonet ";
    if (huge) {
        command += "--huge ";
    }
    if (!schema.empty()) {
        command += "--schema '" + schema + "' ";
    }
    command += "'" + file + "' 2>&1";
    report.clear();
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        report = "cannot run xmllint";
        return -1;
    }
    char buffer[512];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        report.append(buffer, got);
    }
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
