// Child processes: finding a program on the search path, running it to its end
// with its output collected, and a temporary folder of its own for the files it
// works on. Used for the outside tools (GHDL, Yosys) that Korvalt drives.
#pragma once

#include <string>
#include <vector>

namespace korvalt {

// Full path of the program name in the folders of the PATH variable (with
// ".exe" on Windows); empty when none holds an executable file of that name.
std::string FindProgram(const std::string& name);

// Runs program (a path, or a name looked up on PATH) with args in the folder
// workDir, its stdout and stderr together into output. Returns its exit code,
// 128 and up when it died of a signal, or -1 when it could not be started.
// With stdoutFile, stdout goes into that file instead (a netlist, say) and
// output collects stderr alone.
int RunProgram(const std::string& program, const std::vector<std::string>& args,
               const std::string& workDir, std::string& output, const std::string& stdoutFile = "");

// A new empty folder below the system's temporary folder, removed with
// everything in it when the value goes; its path ends in the separator.
class TTempFolder {
  public:
    // prefix names the folder ("korvalt-sim"); Path() is empty when it could not be made.
    explicit TTempFolder(const std::string& prefix);
    ~TTempFolder();
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

} // namespace korvalt
