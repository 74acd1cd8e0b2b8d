#include "transport/Location.h"

#include <gtest/gtest.h>
