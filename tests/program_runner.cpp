#include "program_runner.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {
std::string contents_of(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

fs::path fresh_folder()
{
    std::string name = (fs::temp_directory_path() / "sinc-anneal-test-XXXXXX").string();
    return mkdtemp(name.data()) != nullptr ? fs::path(name) : fs::path();
}
} // namespace

program_run run_program(const std::string& input, int timeout_seconds)
{
    const fs::path folder = fresh_folder();
    const fs::path work = folder / "work";
    fs::create_directory(work);
    std::ofstream(folder / "input", std::ios::binary) << input;

    const std::string command = "cd '" + work.string() + "' && timeout " +
                                std::to_string(timeout_seconds) +
                                " '" SINC_ANNEAL_PROGRAM "' < ../input > ../output 2> ../errors";
    const int wait_status = std::system(command.c_str());

    program_run run;
    run.output = contents_of(folder / "output");
    run.errors = contents_of(folder / "errors");
    run.status = WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : -1;
    run.files_created =
        static_cast<int>(std::distance(fs::directory_iterator(work), fs::directory_iterator()));
    fs::remove_all(folder);
    return run;
}
