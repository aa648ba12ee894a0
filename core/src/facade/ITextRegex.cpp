#include "facade/ITextRegex.h"

ITextRegex::~ITextRegex() = default;
