#include "container/IDocuments.h"

IDocuments::~IDocuments() = default;
