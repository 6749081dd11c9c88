#include "shape_options.h"

#include "study.h"

#include <string>

void add_shape_options(CLI::App& app, shape_choice* choice)
{
    app.add_option_function<std::string>(
           "--schedule",
           [choice](const std::string& name) {
               for (std::size_t s = 0; s < std::size(shape_names); ++s)
                   if (name == shape_names[s])
                       choice->shape = static_cast<cooling_shape>(s);
           },
           "how T falls from the initial temperature T0\n"
           "to the final one: geometric (the program's:\n"
           "times the cooling factor after each level,\n"
           "while T is above the final one), or in L\n"
           "levels: linear, logarithmic\n"
           "(T0 / (1 + c ln(1 + k))) or fast\n"
           "(T0 / (1 + c k)); rows show the shape's name\n"
           "where the cooling factor stands")
        ->check(one_of({std::begin(shape_names), std::end(shape_names)}))
        ->type_name("NAME")
        ->default_str(shape_names[0]);
    app.add_option("--levels", choice->levels,
                   "levels of a schedule that is not geometric,\n"
                   "2 or more (default: as many as the\n"
                   "geometric one runs between the same ends)")
        ->transform(whole_number(2, most_examined))
        ->type_name("L");
}

schedule settle_shape(const CLI::App& app, const shape_choice& choice, const schedule& plan)
{
    const char* tool = app.get_name().c_str();
    const bool levels_given = app.count("--levels") > 0;
    if (choice.shape == cooling_shape::geometric) {
        if (levels_given)
            fail(tool, "--levels does not go with the geometric schedule: its levels follow from "
                       "--cooling");
        return plan;
    }
    const std::string name = shape_names[static_cast<int>(choice.shape)];
    const CLI::Option* cooling = app.get_option_no_throw("--cooling"); // sinc-study's alone
    if (levels_given && cooling != nullptr && cooling->count() > 0)
        fail(tool, "--levels does not go with --cooling: the " + name +
                       " schedule cools in the levels given");
    if (plan.final_temperature <= 0)
        fail(tool, "the " + name + " schedule needs --final above 0, not " +
                       shown(plan.final_temperature));
    const schedule shaped = shaped_schedule(plan, choice.shape, choice.levels);
    const std::int64_t examined = static_cast<std::int64_t>(shaped.levels) * shaped.moves_per_level;
    if (levels_given && examined > most_examined)
        fail(tool, std::to_string(shaped.levels) + " levels of " +
                       std::to_string(shaped.moves_per_level) + " moves examine " +
                       std::to_string(examined) +
                       " solutions a run, over the 10000000 the "
                       "tools take");
    return shaped;
}
