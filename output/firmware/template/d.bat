cr sing1
