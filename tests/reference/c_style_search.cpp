#include "c_style_search.h"

#include "draws.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

static float c_sinc(float t)
{
    double u;
    if (t == 0.0f)
        return 1.0f;
    u = t * 3.141592653589793;
    return (float)(std::sin(u) / u);
}

double c_objective(float x)
{
    double s = c_sinc(4.0f * x) + 0.4;
    s = s + 1.1 * c_sinc(4.0f * x + 2.0f);
    s = s + 0.8 * c_sinc(6.0f * x - 2.0f);
    s = s + 0.7 * c_sinc(6.0f * x - 4.0f);
    return s;
}

static double c_decode(const int* v, const grid& g)
{
    int i, k = 0, n = g.bits, full_scale = g.full_scale;
    float lower = g.lower, upper = g.upper;
    for (i = 0; i != n; i++)
        if (v[i] == 1)
            k = (int)(k + std::pow(2.0, n - 1 - i));
    return (double)lower - (((double)lower - upper) * k) / full_scale;
}

static double c_uniform(double lo, double hi)
{
    if (lo == hi)
        return lo;
    return (double)((next_random() % 10000) * 0.0001L * (hi - lo) + lo);
}

void c_style_anneal(std::FILE* out, const grid& g, const schedule& plan, int* v, float* fo)
{
    int n = g.bits, moves = plan.moves_per_level;
    double tf = plan.final_temperature;
    int* best = (int*)std::malloc(sizeof(int) * (size_t)n);
    float best_fo = *fo, best_x, x_old, x_new, fo_new, delta;
    double t = plan.initial_temperature;
    int levels = 0, m, bit;
    std::memcpy(best, v, sizeof(int) * (size_t)n);
    best_x = (float)c_decode(v, g);
    if (out != NULL)
        std::fprintf(out, "Solucao inicial: fo corrente = %f   valor de fo = %2f \n", (double)*fo,
                     (double)best_x);
    while (t > tf) {
        for (m = 0; m < moves; m++) {
            bit = (int)(next_random() % (unsigned)n);
            x_old = (float)c_decode(v, g);
            v[bit] = v[bit] == 0 ? 1 : 0;
            x_new = (float)c_decode(v, g);
            fo_new = (float)c_objective(x_new);
            delta = (float)(fo_new - c_objective(x_old));
            if (delta > 0) {
                *fo = fo_new;
                if (*fo > best_fo) {
                    std::memcpy(best, v, sizeof(int) * (size_t)n);
                    best_fo = *fo;
                    best_x = x_new;
                }
            } else if (std::exp(delta / t) > c_uniform(0.0, 1.0)) {
                *fo = fo_new;
            } else {
                v[bit] = v[bit] == 0 ? 1 : 0;
            }
        }
        t = plan.cooling * t;
        levels++;
    }
    if (out != NULL) {
        std::fprintf(out, "********* Melhor Solucao obtida pelo SA ************** \n");
        std::fprintf(out, "valor de x = %2f \n", (double)best_x);
        std::fprintf(out, "funcao objetivo = %3f \n", (double)best_fo);
        std::fprintf(out, "Num. de solucoes analisadas = %d \n", levels * moves);
        std::fprintf(out, "****************************************************** \n");
    }
    std::memcpy(v, best, sizeof(int) * (size_t)n);
    *fo = best_fo;
    std::free(best);
}
