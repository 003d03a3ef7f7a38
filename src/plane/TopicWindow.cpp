#include "TopicWindow.h"
