// Everything of the form layer in one include.
#pragma once

#include "forms/form.h"
#include "forms/control.h"
#include "forms/control_array.h"
#include "forms/frame.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/option_button.h"
#include "forms/picture_box.h"
#include "forms/shape.h"
#include "forms/tree_view.h"
