namespace pistora {}
