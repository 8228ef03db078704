# Expected coefficient statistics for CoefficientStatisticsTest.cpp, from R's summary(lm()) and
# confint(). Run with: Rscript CoefficientStatisticsReference.R > reference.txt
# The data are generated here once and printed with the results; the test holds both.
options(digits = 17)
set.seed(25)

# Shortest text that reads back as the same double: the test's literals are these doubles.
literal <- function(v) {
  texts <- sapply(v, function(e) {
    for (digits in 15:17) { text <- sprintf("%.*g", digits, e); if (as.numeric(text) == e) return(text) }
  })
  paste(texts, collapse = ", ")
}
number <- function(v) sprintf("%.17gL", v)
# Prints one case as an initializer of the test's ReferenceCase.
report <- function(name, model, fit, columns, y, co = summary(fit)$coefficients, ci = confint(fit)) {
  s <- summary(fit)
  f <- s$fstatistic
  cat(sprintf("    {\"%s\", %s,\n     {", name, model))
  cat(paste(sapply(columns, function(column) sprintf("{%s}", literal(column))), collapse = ",\n      "))
  cat(sprintf("},\n     {%s},\n     {", literal(y)))
  rows <- sapply(seq_len(nrow(co)), function(i)
    sprintf("{%s, %s, %s, %s, %s, %s}", number(co[i, 1]), number(co[i, 2]), number(co[i, 3]),
            number(co[i, 4]), number(ci[i, 1]), number(ci[i, 2])))
  cat(paste(rows, collapse = ",\n      "))
  cat(sprintf("},\n     %s, %d, %s, %s, %s, %s},\n", number(s$sigma), fit$df.residual, number(s$r.squared),
              number(s$adj.r.squared), number(f[1]),
              number(pf(f[1], f[2], f[3], lower.tail = FALSE))))
  if (grepl("xponential|ower", name))
    cat(sprintf("    // %s: e^lower %s, e^upper %s\n", name, number(exp(ci[1, 1])), number(exp(ci[1, 2]))))
}

x <- 1:12
y <- round(3 + 0.5 * x + rnorm(12, sd = 0.4), 3)
report("line with noise", "Model::Linear", lm(y ~ x), list(x), y)

xp <- round(seq(0.5, 6, length.out = 12), 2)
ylog <- round(2 + 1.5 * log(xp) + rnorm(12, sd = 0.2), 3)
report("logarithmic: y on ln x", "Model::Logarithmic", lm(ylog ~ log(xp)), list(xp), ylog)
yexp <- round(1.5 * exp(0.4 * xp) * exp(rnorm(12, sd = 0.05)), 3)
report("exponential: ln y on x", "Model::Exponential", lm(log(yexp) ~ xp), list(xp), yexp)
ypow <- round(2.5 * xp^0.7 * exp(rnorm(12, sd = 0.05)), 3)
report("power: ln y on ln x", "Model::Power", lm(log(ypow) ~ log(xp)), list(xp), ypow)
yrec <- round(4 + 3 / xp + rnorm(12, sd = 0.2), 3)
report("reciprocal: y on 1/x", "Model::Reciprocal", lm(yrec ~ I(1 / xp)), list(xp), yrec)

xq <- seq(-3, 4, by = 0.5)
yq <- round(1 - 2 * xq + 0.75 * xq^2 + rnorm(length(xq), sd = 0.5), 3)
report("quadratic", "Model::Quadratic", lm(yq ~ xq + I(xq^2)), list(xq), yq)
x5 <- seq(-2, 2, by = 0.2)
y5 <- round(1 + x5 - 0.5 * x5^2 + 0.3 * x5^3 + 0.1 * x5^4 - 0.05 * x5^5 + rnorm(length(x5), sd = 0.1), 3)
report("quintic", "Model::Quintic", lm(y5 ~ x5 + I(x5^2) + I(x5^3) + I(x5^4) + I(x5^5)), list(x5), y5)

m <- 10
a1 <- round(runif(m, 0, 10), 2)
a2 <- round(runif(m, -5, 5), 2)
ym2 <- round(2 + 1.5 * a1 - 0.8 * a2 + rnorm(m, sd = 0.5), 3)
report("multiple, 2 variables", "Model::Multiple", lm(ym2 ~ a1 + a2), list(a1, a2), ym2)
m <- 20
v <- lapply(1:5, function(j) round(runif(m, 0, 10), 2))
ym5 <- round(1 + 0.5 * v[[1]] - 0.3 * v[[2]] + 0.2 * v[[3]] + 0.1 * v[[4]] - 0.4 * v[[5]] +
             rnorm(m, sd = 0.3), 3)
report("multiple, 5 variables", "Model::Multiple", lm(ym5 ~ v[[1]] + v[[2]] + v[[3]] + v[[4]] + v[[5]]),
       v, ym5)

xo <- 1e6 + round(runif(15, 0, 10), 2)
yo <- 1e6 + round(2 * (xo - 1e6) + rnorm(15, sd = 0.3), 3)
# lm(yo ~ xo) itself loses digits to the offset (its residual standard error is off in the 10th
# digit): fit the shifted points, which are exact in double, and move the intercept back to x = 0.
shifted <- lm(I(yo - 1e6) ~ I(xo - 1e6))
co <- summary(shifted)$coefficients
slope <- co[2, 1]
intercept <- co[1, 1] + 1e6 - 1e6 * slope
xc <- xo - mean(xo)
interceptError <- summary(shifted)$sigma * sqrt(1 / length(xo) + mean(xo)^2 / sum(xc^2))
interceptT <- intercept / interceptError
quantile <- qt(0.975, shifted$df.residual)
co[1, ] <- c(intercept, interceptError, interceptT, 2 * pt(-abs(interceptT), shifted$df.residual))
ci <- rbind(intercept + c(-1, 1) * quantile * interceptError, confint(shifted)[2, ])
report("large offsets", "Model::Linear", shifted, list(xo), yo, co, ci)
