#include "test_support.h"

#include "encoding.h"

#include <regex>

std::vector<std::int32_t> bits_of(std::int32_t k)
{
    std::vector<std::int32_t> bits(grid_bits);
    grid_bits_of(k, bits.data());
    return bits;
}

std::string formatted(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

const std::regex search_report_pattern(
    "Solucao inicial: fo corrente = (-?\\d\\.\\d{6})   valor de fo = (-?\\d\\.\\d{6}) \n"
    "\\*{9} Melhor Solucao obtida pelo SA \\*{14} \n"
    "valor de x = (-?\\d\\.\\d{6}) \n"
    "funcao objetivo = (-?\\d\\.\\d{6}) \n"
    "Num\\. de solucoes analisadas = (\\d+) \n"
    "\\*{54} \n");

std::vector<search_report> search_reports(const std::string& text)
{
    std::vector<search_report> reports;
    for (std::sregex_iterator it(text.begin(), text.end(), search_report_pattern), end; it != end;
         ++it)
        reports.push_back({(*it)[1], (*it)[2], (*it)[3], (*it)[4], (*it)[5]});
    return reports;
}
