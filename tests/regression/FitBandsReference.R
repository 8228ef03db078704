# Expected bands for FitBandsTest.cpp, from R's predict(lm(), interval = ...). The points are the
# "line with noise", "exponential" and "quadratic" cases of CoefficientStatisticsReference.R.
# Run with: Rscript FitBandsReference.R
options(digits = 17)
bands <- function(name, fit, at, back = identity) {
  new <- data.frame(x = at)
  confidence <- predict(fit, new, interval = "confidence")
  prediction <- predict(fit, new, interval = "prediction")
  cat(sprintf("// %s\n", name))
  for (i in seq_along(at))
    cat(sprintf("{%.17g, %.17gL, {%.17gL, %.17gL, %.17gL, %.17gL}},\n", at[i], back(confidence[i, 1]),
                back(confidence[i, 2]), back(confidence[i, 3]), back(prediction[i, 2]), back(prediction[i, 3])))
}
x <- 1:12
y <- c(3.415, 3.583, 4.039, 5.129, 4.9, 5.822, 7.194, 7.205, 7.54, 7.977, 7.803, 8.47)
bands("linear", lm(y ~ x), c(2, 6.5, 11))
x <- c(0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5, 5.5, 6)
y <- c(1.692, 2.118, 2.859, 3.35, 3.85, 4.761, 5.729, 7.242, 9.214, 11.046, 13.792, 17.509)
bands("exponential", lm(log(y) ~ x), c(0.75, 3.2, 5.9), exp)
x <- seq(-3, 4, by = 0.5)
y <- c(13.032, 10.711, 7.975, 5.044, 4.327, 1.5, 0.426, 0.896, -0.197, -0.505, 0.892, 0.13, 1.714, 2.86, 5.617)
bands("quadratic", lm(y ~ x + I(x^2)), c(-2, 0.3, 3.5))
