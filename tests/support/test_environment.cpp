// Shared helpers of the test suites live beside this file.
