/* Forced before every musl source: musl's internal attribute words, and
   its functions renamed so that they replace neither the C library's nor
   emscripten's own copies. */
#ifndef CORVANE_MUSL_NAMES_H
#define CORVANE_MUSL_NAMES_H

/* The C library's declarations first, under their own names: the names
   below are for musl's definitions and calls only. */
#include <float.h>
#include <math.h>
#include <stdint.h>

#define hidden __attribute__((__visibility__("hidden")))
#define weak __attribute__((__weak__))

#define acos corvane_musl_acos
#define asin corvane_musl_asin
#define atan corvane_musl_atan
#define atan2 corvane_musl_atan2
#define cos corvane_musl_cos
#define exp2 corvane_musl_exp2
#define hypot corvane_musl_hypot
#define log2 corvane_musl_log2
#define pow corvane_musl_pow
#define sin corvane_musl_sin
#define __cos corvane_musl_cos_kernel
#define __sin corvane_musl_sin_kernel
/* Declared by musl's libm.h, defined by nothing compiled here. */
#define __tan corvane_musl_tan_kernel
#define __sinl corvane_musl_sinl_kernel
#define __cosl corvane_musl_cosl_kernel
#define __tanl corvane_musl_tanl_kernel
#define __rem_pio2 corvane_musl_rem_pio2
#define __rem_pio2_large corvane_musl_rem_pio2_large
#define __math_divzero corvane_musl_math_divzero
#define __math_invalid corvane_musl_math_invalid
#define __math_oflow corvane_musl_math_oflow
#define __math_uflow corvane_musl_math_uflow
#define __math_xflow corvane_musl_math_xflow
#define __exp_data corvane_musl_exp_data
#define __log2_data corvane_musl_log2_data
#define __pow_log_data corvane_musl_pow_log_data

/* Their declarations under the new names: musl calls atan from atan2. */
double acos(double);
double asin(double);
double atan(double);
double atan2(double, double);
double cos(double);
double exp2(double);
double hypot(double, double);
double log2(double);
double pow(double, double);
double sin(double);

#endif
