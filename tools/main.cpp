#include "MediaGenerator.hpp"

#include <exception>
#include <iostream>

// Usage: media_generator <folder>; writes <folder>/Media.
int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "usage: " << argv[0] << " <output folder>\n";
        return 2;
    }
    try
    {
        media::generateMedia(argv[1]);
    }
    catch (const std::exception& error)
    {
        std::cerr << "media_generator: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
