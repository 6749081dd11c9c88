#include "support.h"

#include "presets.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

const std::regex search_report("Solucao inicial: fo corrente = (\\S+)   valor de fo = (\\S+) \n"
                               "\\*{9} Melhor Solucao obtida pelo SA \\*{14} \n"
                               "valor de x = (\\S+) \nfuncao objetivo = (\\S+) \n"
                               "Num\\. de solucoes analisadas = (\\d+) \n\\*{54} \n");

std::string file_contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A command line and its input: two strings, told apart by their names.
// NOLINTNEXTLINE(bugprone-easily-swappable-parameters)
program_run run_command(const std::string& command, const std::string& input)
{
    constexpr std::size_t output_limit = std::size_t{1} << 20;
    constexpr int time_limit_seconds = 20;
    std::string name = (fs::temp_directory_path() / "sinc-anneal-test-XXXXXX").string();
    const fs::path folder = mkdtemp(name.data());
    fs::create_directory(folder / "work");
    std::ofstream(folder / "input", std::ios::binary) << input;
    // head ends a run that prints without end: the program dies of SIGPIPE.
    const std::string line = "cd '" + (folder / "work").string() + "' && { timeout " +
                             std::to_string(time_limit_seconds) + " " + command +
                             " < ../input 2> ../errors; echo $? > ../status; } | head -c " +
                             std::to_string(output_limit + 1) + " > ../output";
    std::system(line.c_str());
    program_run run{file_contents(folder / "output"), file_contents(folder / "errors"),
                    std::stoi(file_contents(folder / "status")), ""};
    if (run.output.size() > output_limit)
        run.stopped = "printed more than 1 MiB";
    else if (run.status == 124)
        run.stopped = "still running after 20 s";
    fs::remove_all(folder);
    return run;
}

const landscape& program_land()
{
    static const landscape land = program_landscape();
    return land;
}
