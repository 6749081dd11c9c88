#include "support.h"

#include "landscape.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

namespace fs = std::filesystem;

namespace {
constexpr std::size_t output_limit = std::size_t{1} << 20;
constexpr int time_limit_seconds = 20;
} // namespace

std::string file_contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::int32_t> bits_of(std::int32_t k)
{
    std::vector<std::int32_t> bits(bit_count);
    grid_bits_of(k, bits.data());
    return bits;
}

std::string formatted(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

program_run run_command(const std::string& command, const std::string& input)
{
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
                    std::stoi(file_contents(folder / "status")), "",
                    static_cast<int>(std::distance(fs::directory_iterator(folder / "work"),
                                                   fs::directory_iterator()))};
    if (run.output.size() > output_limit)
        run.stopped = "printed more than 1 MiB";
    else if (run.status == 124)
        run.stopped = "still running after " + std::to_string(time_limit_seconds) + " s";
    fs::remove_all(folder);
    return run;
}

program_run run_program(const std::string& input)
{
    return run_command("'" SINC_ANNEAL_PROGRAM "'", input);
}

const std::regex search_report("Solucao inicial: fo corrente = (\\S+)   valor de fo = (\\S+) \n"
                               "\\*{9} Melhor Solucao obtida pelo SA \\*{14} \n"
                               "valor de x = (\\S+) \nfuncao objetivo = (\\S+) \n"
                               "Num\\. de solucoes analisadas = (\\d+) \n\\*{54} \n");

std::vector<std::vector<std::string>> search_reports(const std::string& text)
{
    std::vector<std::vector<std::string>> reports;
    for (std::sregex_iterator it(text.begin(), text.end(), search_report), end; it != end; ++it)
        reports.push_back({(*it)[1], (*it)[2], (*it)[3], (*it)[4], (*it)[5]});
    return reports;
}
