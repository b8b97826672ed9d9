// The command line after the program name, as Windows splits the first word: what the
// scene tools (vexasim and wlandouble) hand to their one command parser.
#ifndef VEXASIM_COMMAND_LINE_ARGUMENTS_H
#define VEXASIM_COMMAND_LINE_ARGUMENTS_H

inline const char* ArgumentsOf(const char* line)
{
    if (*line == '"') {
        ++line;
        while (*line && *line != '"')
            ++line;
        if (*line)
            ++line;
    } else {
        while (*line && *line != ' ' && *line != '\t')
            ++line;
    }
    while (*line == ' ' || *line == '\t')
        ++line;
    return line;
}

#endif
