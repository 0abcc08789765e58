// Everything of the form layer in one include.
#pragma once

#include "platform/form_base.h"
#include "platform/form_control.h"
#include "platform/form_control_array.h"
#include "platform/form_frame.h"
#include "platform/form_hosted.h"
#include "platform/form_image.h"
#include "platform/form_label.h"
#include "platform/form_option_button.h"
#include "platform/form_picture_box.h"
#include "platform/form_shape.h"
